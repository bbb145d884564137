#include "report/class_csv.h"

#include <gtest/gtest.h>

#include <string>

#include "practice/testing/memory_with.h"
#include "report/report_options.h"

TEST(ClassCsv, TextFieldsNeitherFormulasNorControlsQuotedWhereNeeded) {
  const struct {
    const char* text;
    CsvForm form;
    const char* field;
  } kCases[] = {
      {"Łucja", kSpreadsheetCsv, "Łucja"},
      {"Kowalska, Ala", kScriptCsv, "\"Kowalska, Ala\""},
      {"Kowalska, Ala", kSpreadsheetCsv, "Kowalska, Ala"},
      {"Kowalska; Ala", kSpreadsheetCsv, "\"Kowalska; Ala\""},
      {"Ola \"Mała\"", kScriptCsv, "\"Ola \"\"Mała\"\"\""},
      {"=1+2", kSpreadsheetCsv, "'=1+2"},
      {"+48 600", kSpreadsheetCsv, "'+48 600"},
      {"-Ala", kScriptCsv, "'-Ala"},
      {"@SUMA(A1)", kSpreadsheetCsv, "'@SUMA(A1)"},
      {"\tAla", kSpreadsheetCsv, "'Ala"},
      {"\rAla", kSpreadsheetCsv, "'Ala"},
      {"\x1B=Ala", kSpreadsheetCsv, "'=Ala"},
      {"A\x1B[31mla\x7F", kSpreadsheetCsv, "A[31mla"},
      {"A\xC2\x9B"
       "31mla\r\n",
       kSpreadsheetCsv, "A31mla"},
      {"=A1;B1", kSpreadsheetCsv, "\"'=A1;B1\""},
      {"Ala-Ola", kSpreadsheetCsv, "Ala-Ola"},
  };
  for (const auto& c : kCases)
    EXPECT_EQ(CsvText(c.text, c.form), c.field) << c.text;
}

TEST(ClassCsv, TheSpreadsheetsFormAndTheScriptsForm) {
  // Ala missed 7 x 8 yesterday and was slow at it today, and learned 2 x 2 today; Ola has no
  // history.
  LearnerRecord ala{"Ala",
                    "practice-Ala.txt",
                    true,
                    MemoryWith({{{7, 8}, {1, 20796}}, {{2, 2}, {3, 20796}}}),
                    {{MemoryIndex({7, 8}), 20795, 0, 0, 1, 1},
                     {MemoryIndex({2, 2}), 20796, 1, 0, 0, 3},
                     {MemoryIndex({7, 8}), 20796, 0, 1, 0, 1}}};
  LearnerRecord ola{"Kowalska, Ola", "practice-Kowalska, Ola.txt", true, Memory{}, {}};
  ClassRecords records{{ala, ola}, {"=praktyka.txt"}};
  std::string sheet = ClassCsv(records, 20796, WeekEndingOn(20796), kSpreadsheetCsv);
  for (const char* row : {
           "\xEF\xBB\xBFuczeń;umie;pudełko 1;nie padło;ostatnio;",
           "\r\nAla;1;1;98;2026-12-09;nie;2026-12-03;2026-12-09;1;0;1;3;2;7×8\r\n",
           "\r\nKowalska, Ola;0;0;100;;tak;2026-12-03;2026-12-09;;;;;;\r\n",
           "\r\ndziałanie;pudełko 1;zapytanych;średnie pudełko;Ala;Kowalska, Ola\r\n"
           "1×1;0;0;;0;0\r\n",
           "\r\n7×8;1;1;1,00;1;0\r\n",
           "\r\n\r\ndzień;klasa umie\r\n2026-12-09;1\r\n\r\npominięty plik\r\n'=praktyka.txt\r\n",
       })
    EXPECT_NE(sheet.find(row), std::string::npos) << row << "\n" << sheet;
  // For scripts: the comma form as it always was, the week's columns after it.
  std::string script = ClassCsv(records, 20796, WeekFrom(20789), kScriptCsv);
  for (const char* row : {
           "\r\nAla,1,1,98,2026-12-09,nie,2026-12-02,2026-12-08,0,0,0,1,1,\r\n",
           "\r\n\"Kowalska, Ola\",0,0,100,,tak,2026-12-02,2026-12-08,,,,,,\r\n",
           ",\"Kowalska, Ola\"\r\n1 x 1,0,0,,0,0\r\n",
           "\r\n7 x 8,1,1,1.00,1,0\r\n",
       })
    EXPECT_NE(script.find(row), std::string::npos) << row << "\n" << script;
}

TEST(ReportOptions, TheFormsTheWeekAndTheFolder) {
  const struct {
    std::vector<std::string> arguments;
    bool read;
    ReportForm form;
    char separator;
    int32_t week_first;  // -1: not given
    size_t rest;
  } kCases[] = {
      {{}, true, ReportForm::kText, ';', -1, 0},
      {{"klasa", "Ala"}, true, ReportForm::kText, ';', -1, 2},
      {{"--csv", "klasa"}, true, ReportForm::kCsv, ';', -1, 1},
      {{"--csv-sep=,"}, true, ReportForm::kCsv, ',', -1, 0},
      {{"--csv-sep=;", "--od", "2026-12-02"}, true, ReportForm::kCsv, ';', 20789, 0},
      {{"--od=02.12.2026", "--html", "klasa", "Ala"}, true, ReportForm::kHtml, ';', 20789, 2},
      {{"--od", "29.02.2000"}, true, ReportForm::kText, ';', 11016, 0},
      {{"--csv", "klasa", "Ala"}, false, ReportForm::kCsv, ';', -1, 0},
      {{"--od", "30.02.2026"}, false, ReportForm::kText, ';', -1, 0},
      {{"--od", "2026-13-01"}, false, ReportForm::kText, ';', -1, 0},
      {{"--od"}, false, ReportForm::kText, ';', -1, 0},
      {{"--csv-sep=|"}, false, ReportForm::kText, ';', -1, 0},
      {{"klasa", "--csv"}, false, ReportForm::kText, ';', -1, 0},
      {{"a", "b", "c"}, false, ReportForm::kText, ';', -1, 0},
  };
  for (const auto& c : kCases) {
    ReportOptions options;
    std::string what = c.arguments.empty() ? "(none)" : c.arguments[0];
    ASSERT_EQ(ParseReportOptions(c.arguments, options), c.read) << what;
    if (!c.read)
      continue;
    EXPECT_EQ(options.form, c.form) << what;
    EXPECT_EQ(options.csv_separator, c.separator) << what;
    EXPECT_EQ(options.week_given ? options.week_first : -1, c.week_first) << what;
    EXPECT_EQ(options.rest.size(), c.rest) << what;
  }
}
