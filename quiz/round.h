// One round of questions, from the count prompt to the result.
#ifndef QUIZ_ROUND_H_
#define QUIZ_ROUND_H_

#include <cstdint>
#include <optional>
#include <string>

/// One multiplication question.
struct Question {
  int32_t a;
  int32_t b;
};

/// Asks " Ile chcesz pytań ? " until the answer is at least 5, answering " za mało !" to
/// anything less, a word that is not a number included. Returns the accepted count, or
/// nothing when input ends at the prompt; the prompt's row is then ended.
std::optional<int32_t> AskQuestionCount();

/// Seeds the generator with the clock and draws the first factor, then seeds it again with the
/// clock read anew and draws the second: both from 1 to |range|.
Question DrawQuestion(int32_t range);

/// An empty row, then " a x b = ", the row the answer is typed on.
void PutQuestion(Question question);

/// " Wcale nie !     a x b = product", the bell, a line end.
void PutCorrection(Question question);

/// An empty row, then 80 full blocks (one whole row of the console), then two line ends.
void PutSeparatorRow();

/// A scored round with factors from 1 to |range|: the count, that many questions each answered
/// once (right: light grey and " Dobrze !"; wrong: light red, the correction and the bell), a
/// row of 80 blocks and " Twój wynik to: score na count.". Input that ends during the
/// questions answers the rest with 0; input that ends at the count prompt ends the round.
void RunQuizRound(int32_t range);

/// A round without points with factors from 1 to |range|: the facts due in the memory kept in
/// file |memory_path| come first, then every fact comes once before any comes again; a wrong
/// answer is asked again until it is right (the product shown from the third wrong try on).
/// The end lists the facts that were missed, keeps the round in the memory, and draws the
/// table as a grid of what is known. An empty |memory_path| keeps nothing.
void RunPracticeRound(int32_t range, const std::string& memory_path);

#endif  // QUIZ_ROUND_H_
