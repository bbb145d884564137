// Reading the selector's menu answers: unsigned 16-bit numbers.
#ifndef SELECTOR_MENU_READER_H_
#define SELECTOR_MENU_READER_H_

#include <cstdint>

/// Flushes the output, then reads an unsigned 16-bit number from standard input into |choice|.
///
/// Skips whitespace, empty rows included; takes an optional "+" or "-" and then decimal digits,
/// stopping before the first byte that is not a digit, which stays in the input. A "-" gives
/// the value negated modulo 65536 ("-1" is 65535). The read fails when no digit follows the
/// sign (the sign is taken all the same), when the digits exceed 65535, or when input ends
/// before a digit; input that ends right after the digits still gives the number. A failed
/// read leaves |choice| as it was and sets |failed|; once |failed| is set or the input has
/// ended, every later read fails at once, reading nothing.
void ReadMenuNumber(uint16_t& choice, bool& failed);

/// Takes the rest of the current input row, its line feed included, and nothing after it, so
/// that a program started next reads the rows that follow.
void SkipRestOfRow();

#endif  // SELECTOR_MENU_READER_H_
