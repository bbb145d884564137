// Reading a practice program's command line: the kind of facts and the tables of the week to
// practise, or a request for its usage.
#ifndef PRACTICE_TABLE_ARGUMENTS_H_
#define PRACTICE_TABLE_ARGUMENTS_H_

#include <cstdint>
#include <string>
#include <vector>

#include "practice/deck.h"

/// What the command line asks for.
enum class ArgumentsRead : uint8_t {
  kRound,  // a round of |tables|
  kUsage,    // the usage on standard output, and nothing else
  kVersion,  // the version on standard output, and nothing else
  kBad,    // a word that is not a table: the error on standard error, and nothing else
};

struct PracticeArguments {
  ArgumentsRead read;
  Tables tables;  // with kRound: kEveryTable where no table is named
  Kinds kinds;    // with kRound: the kinds of fact the round asks
};

/// The words that choose the kinds of fact: "dzielenie" (division), "razem" (multiplication and
/// division mixed).
constexpr char kDivisionWord[] = "dzielenie";
constexpr char kBothWord[] = "razem";

/// Reads |words|, the command line after the program's name, for a program with factors from
/// 1 to |range|. Each word is a table: 1 to 9 digits of a number from 1 to |range| (07 is 7);
/// the round asks the facts of the tables named, each named once or more; or kDivisionWord or
/// kBothWord, which add their kinds (multiplication alone where neither is given). "-h" or
/// "--help" anywhere asks for the usage, "--version" for the version; any other word makes the
/// whole line bad. No table named: every table.
PracticeArguments ReadPracticeArguments(const std::vector<std::string>& words, int32_t range);

/// Writes the usage of program |name| (factors from 1 to |range|), in Polish, to standard
/// output.
void PutPracticeUsage(const std::string& name, int32_t range);

/// The line (with its line end) that says what program |name| allows, for standard error.
std::string ArgumentsError(const std::string& name, int32_t range);

#endif  // PRACTICE_TABLE_ARGUMENTS_H_
