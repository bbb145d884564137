// One round of questions, from the count prompt to the result.
#ifndef QUIZ_ROUND_H_
#define QUIZ_ROUND_H_

#include <cstdint>
#include <optional>
#include <string>

#include "quiz/question.h"

/// Asks " Ile chcesz pytań ? " until the answer is at least 5, answering " za mało !" to
/// anything less, a word that is not a number included. Returns the accepted count, or
/// nothing when input ends at the prompt; the prompt's row is then ended.
std::optional<int32_t> AskQuestionCount();

/// Seeds the generator with the clock and draws the first factor, then seeds it again with the
/// clock read anew and draws the second: both from 1 to |range|.
Question DrawQuestion(int32_t range);

/// "a x b": |question| as every round writes it, without its product.
std::string QuestionLabel(Question question);

/// An empty row, then " LABEL = ", the row the answer is typed on: |label| is a fact as the
/// rounds write it ("7 x 8", or "56 : 8" in practice), without its answer.
void PutQuestion(const std::string& label);

/// " Wcale nie !     LABEL = answer", the bell, a line end.
void PutCorrection(const std::string& label, int32_t answer);

/// An empty row, then a whole row of the console in full blocks, then two line ends.
void PutSeparatorRow();

/// A scored round with factors from 1 to |range|: the count, that many questions each answered
/// once (right: light grey and " Dobrze !"; wrong: light red, the correction and the bell), a
/// row of full blocks and " Twój wynik to: score na count.". Input that ends during the
/// questions answers the rest with 0; input that ends at the count prompt ends the round.
void RunQuizRound(int32_t range);

#endif  // QUIZ_ROUND_H_
