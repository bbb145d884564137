#include "practice/table_arguments.h"

#include "console/output.h"
#include "quiz/answer_reader.h"

namespace {

// The tables the examples name: the table of 7 (of 4 for 5) and the one on each side of it.
int32_t ExampleTable(int32_t range) {
  return (range + 4) / 2;
}

std::string Examples(const std::string& name, int32_t range) {
  int32_t t = ExampleTable(range);
  return name + " " + std::to_string(t) + " albo " + name + " " + std::to_string(t - 1) + " " +
         std::to_string(t) + " " + std::to_string(t + 1);
}

}  // namespace

PracticeArguments ReadPracticeArguments(const std::vector<std::string>& words, int32_t range) {
  constexpr Kinds kDivision = KindBit(FactKind::kDivision);
  PracticeArguments arguments{ArgumentsRead::kRound, 0, 0};
  for (const std::string& word : words) {
    if (word == "-h" || word == "--help")
      return PracticeArguments{ArgumentsRead::kUsage, 0, 0};
    if (word == "--version")
      return PracticeArguments{ArgumentsRead::kVersion, 0, 0};
    if (word == kDivisionWord) {
      arguments.kinds |= kDivision;
      continue;
    }
    if (word == kBothWord) {
      arguments.kinds |= kDivision | KindBit(FactKind::kMultiplication);
      continue;
    }
    int32_t table = NumberOfWord(word);
    if (table < 1 || table > range)
      arguments.read = ArgumentsRead::kBad;
    else
      arguments.tables |= TableBit(table);
  }
  if (arguments.tables == 0)
    arguments.tables = kEveryTable;
  if (arguments.kinds == 0)
    arguments.kinds = KindBit(FactKind::kMultiplication);
  return arguments;
}

void PutPracticeUsage(const std::string& name, int32_t range) {
  // "Użycie: vek [dzielenie|razem] [TABLICZKA ...]" / "Ćwiczy tabliczkę mnożenia o czynnikach
  // od 1 do 10, bez punktów." / "Bez argumentów: zwykłe ćwiczenie ze wszystkich działań." /
  // "dzielenie: dzielenie w zakresie tabliczki (56 : 8 = 7), razem: mnożenie i dzielenie." /
  // "TABLICZKA to liczba od 1 do 10: pytania tylko z tych tabliczek," / "na przykład vek 7
  // albo vek 6 7 8." / "Przy dzieleniu TABLICZKA to dzielnik: vek dzielenie 7." / "Więcej: man
  // 6 vek"
  PutText("U\xBEycie: ");
  PutText(name);
  PutLine(std::string(" [") + kDivisionWord + "|" + kBothWord + "] [TABLICZKA ...]");
  PutText(
      "\x8Fwiczy tabliczk\xA9 mno\xBE"
      "enia o czynnikach od 1 do ");
  PutNumber(range);
  PutLine(", bez punkt\xA2w.");
  PutLine(
      "Bez argument\xA2w: zwyk\x88"
      "e \x86wiczenie ze wszystkich dzia\x88"
      "a\xE4.");
  PutText(kDivisionWord);
  PutText(": dzielenie w zakresie tabliczki (");
  PutNumber(range * (range - 2));
  PutText(" : ");
  PutNumber(range - 2);
  PutText(" = ");
  PutNumber(range);
  PutText("), ");
  PutText(kBothWord);
  PutLine(
      ": mno\xBE"
      "enie i dzielenie.");
  PutText("TABLICZKA to liczba od 1 do ");
  PutNumber(range);
  PutLine(": pytania tylko z tych tabliczek,");
  PutText(
      "na przyk\x88"
      "ad ");
  PutText(Examples(name, range));
  PutLine(".");
  PutText("Przy dzieleniu TABLICZKA to dzielnik: ");
  PutText(name + " " + kDivisionWord + " " + std::to_string(ExampleTable(range)));
  PutLine(".");
  PutText(
      "Wi\xA9"
      "cej: man 6 ");
  PutLine(name);
}

std::string ArgumentsError(const std::string& name, int32_t range) {
  // In letters every terminal shows as they are: standard error is not converted to the
  // terminal's character set as standard output is, and the line needs no Polish letter.
  return name + ": tabliczki to liczby od 1 do " + std::to_string(range) + ", np. " +
         Examples(name, range) + "; pomoc: " + name + " -h\n";
}
