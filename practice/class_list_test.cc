#include "practice/class_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "console/testing/cp852.h"

TEST(ClassList, ReadsTheFormsAnEditorWrites) {
  const std::vector<std::string> kAlaOla = {"Ala", "Ola"};
  const struct {
    const char* what;
    std::string text;
    std::vector<std::string> names;
  } kCases[] = {
      {"one a line", "Ala\nOla\n", kAlaOla},
      {"no end on the last line", "Ala\nOla", kAlaOla},
      {"CR LF, as Notepad", "Ala\r\nOla\r\n", kAlaOla},
      {"a byte order mark",
       "\xEF\xBB\xBF"
       "Ala\r\nOla\r\n",
       kAlaOla},
      {"blank lines and comments", "# klasa 2b\n\nAla\n   \n\t# Ola chodzi od marca\nOla\n\n",
       kAlaOla},
      {"spaces and tabs around, kept inside",
       "  Ala Kowalska \t\n\tOla\n",
       {"Ala Kowalska", "Ola"}},
      {"Polish letters as UTF-8", "Łucja\nŻaneta\nJaś\n", {"Łucja", "Żaneta", "Jaś"}},
      {"a # inside a name", "Ola #2\n", {"Ola #2"}},
      {"nothing but comments", "# nikt\n\n", {}},
      {"an empty file", "", {}},
  };
  for (const auto& c : kCases)
    EXPECT_EQ(ParseClassList(c.text), c.names) << c.what;
}

TEST(ClassList, RefusesNamesThatCannotBeFileNamesAndNamesTheSameButCase) {
  const struct {
    std::vector<std::string> names;
    ListFault fault;
    std::string first, second;
  } kCases[] = {
      {{"Ala", "Ola", "Łucja Nowak", "Jaś (2b)", "Zoë"}, ListFault::kNone, "", ""},
      {{"Ala", "Ola/Ela"}, ListFault::kNotAFileName, "Ola/Ela", ""},
      {{"C:Ola"}, ListFault::kNotAFileName, "C:Ola", ""},
      {{"Ola\\Ela"}, ListFault::kNotAFileName, "Ola\\Ela", ""},
      {{"Ola?"}, ListFault::kNotAFileName, "Ola?", ""},
      {{"Ola*"}, ListFault::kNotAFileName, "Ola*", ""},
      {{"\"Ola\""}, ListFault::kNotAFileName, "\"Ola\"", ""},
      {{"<Ola>"}, ListFault::kNotAFileName, "<Ola>", ""},
      {{"Ola|Ela"}, ListFault::kNotAFileName, "Ola|Ela", ""},
      {{"Ola\tNowak"}, ListFault::kNotAFileName, "Ola\tNowak", ""},
      {{"Ola\x7F"}, ListFault::kNotAFileName, "Ola\x7F", ""},
      {{"Ol\xE1"}, ListFault::kNotAFileName, "Ol\xE1", ""},      // Latin-1, not UTF-8
      {{"\xC0\xAF"}, ListFault::kNotAFileName, "\xC0\xAF", ""},  // an overlong '/'
      {{std::string(101, 'a')}, ListFault::kNotAFileName, std::string(101, 'a'), ""},
      {{std::string(100, 'a')}, ListFault::kNone, "", ""},
      {{"Ala", "Ola", "ola"}, ListFault::kSameButCase, "Ola", "ola"},
      {{"Ola", "Ala", "Ola"}, ListFault::kSameButCase, "Ola", "Ola"},
      {{"Łucja", "ŁUCJA"}, ListFault::kSameButCase, "Łucja", "ŁUCJA"},
      {{"łucja", "Łucja"}, ListFault::kSameButCase, "łucja", "Łucja"},
      {{"Źdźbło", "źDŹBŁO"}, ListFault::kSameButCase, "Źdźbło", "źDŹBŁO"},
      {{"Żaneta", "Zaneta"}, ListFault::kNone, "", ""},
      {{"Ola", "Ola/", "ola"}, ListFault::kNotAFileName, "Ola/", ""},
  };
  for (const auto& c : kCases) {
    ListCheck check = CheckClassList(c.names);
    std::string what = c.names.back();
    EXPECT_EQ(check.fault, c.fault) << what;
    EXPECT_EQ(check.first, c.first) << what;
    EXPECT_EQ(check.second, c.second) << what;
  }
}

TEST(ClassList, NamesShownInCodePage852) {
  const struct {
    std::string name;
    std::string shown;  // as UTF-8, for Cp852()
  } kCases[] = {
      {"Ola", "Ola"},
      {"Łucja Ćwik", "Łucja Ćwik"},
      {"Żaneta Źdźbło", "Żaneta Źdźbło"},
      {"Ąę Óó Śś Ńń", "Ąę Óó Śś Ńń"},
      {"Zoë Müller", "Zoe Muller"},
      {"Dvořák", "Dvorak"},
      {"Ŧ ŉ", "T n"},
      {"Мария", "?????"},
      {"Ola\tZ", "Ola?Z"},
      {"Ol\xE1!", "Ol?!"},
      {"\xF0\x9F\x98\x80 Ola", "? Ola"},  // one emoji, one stand-in
  };
  for (const auto& c : kCases)
    EXPECT_EQ(Cp852OfUtf8(c.name), Cp852(c.shown)) << c.name;
}
