// Reading the numbers the user types: the question count and every answer.
#ifndef QUIZ_ANSWER_READER_H_
#define QUIZ_ANSWER_READER_H_

#include <cstdint>
#include <optional>
#include <string_view>

/// The value of one typed word: its decimal value for a word of 1 to 9 digits "0" to "9" and
/// nothing else (0 to 999999999), 0 for an empty word, -1 for any other word (a sign, a point,
/// a letter, a byte from 0x80 up, ten digits or more even with leading zeros).
int32_t NumberOfWord(std::string_view word);

/// Flushes the output while standard input has not ended, then reads the next
/// whitespace-delimited word (whitespace being space, tab, line feed, vertical tab, form feed
/// and carriage return; empty rows are skipped) and returns NumberOfWord of it. The whitespace
/// that ends the word stays in the input. Returns nothing when input ends before a word starts,
/// and at once on every read after that. Holds at most the first 10 bytes of a word, however
/// long it is: those decide its value.
std::optional<int32_t> ReadAnswerOrEnd();

/// ReadAnswerOrEnd, with 0 for the end of input.
int32_t ReadAnswer();

#endif  // QUIZ_ANSWER_READER_H_
