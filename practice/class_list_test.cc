#include "practice/class_list.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "console/testing/cp852.h"
#include "practice/unicode_name.h"

namespace {

// |text| (ASCII and Polish letters given as UTF-8) as UTF-16 with a byte order mark.
std::string Utf16(const std::u16string& text, bool big) {
  std::string bytes = big ? "\xFE\xFF" : "\xFF\xFE";
  for (char16_t unit : text) {
    char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
    bytes += big ? std::string{high, low} : std::string{low, high};
  }
  return bytes;
}

// |count| names "Uczeń 1" ... one a line.
std::string Numbered(int count) {
  std::string text;
  for (int i = 1; i <= count; ++i)
    text += "Uczeń " + std::to_string(i) + "\n";
  return text;
}

const std::string kTooMany = Numbered(250);

}  // namespace

TEST(ClassList, ReadsTheListsEditorsWriteAndSaysWhatIsWrongWithThem) {
  const std::vector<std::string> kAlaOla = {"Ala", "Ola"};
  const std::vector<std::string> kPolish = {"Łucja", "Żółw", "Jaś"};
  std::vector<std::string> first_200;
  for (int i = 1; i <= 200; ++i)
    first_200.push_back("Uczeń " + std::to_string(i));
  const struct {
    const char* what;
    std::string bytes;
    bool whole;
    std::vector<std::string> names;
    std::vector<std::string> said;
  } kCases[] = {
      {"one a line", "Ala\nOla\n", true, kAlaOla, {}},
      {"no end on the last line", "Ala\nOla", true, kAlaOla, {}},
      {"CR LF, as Notepad", "Ala\r\nOla\r\n", true, kAlaOla, {}},
      {"CR CR LF, after two editors", "Ala\r\r\nOla\r\r\n", true, kAlaOla, {}},
      {"UTF-8 with a byte order mark", "\xEF\xBB\xBF" "Ala\r\nOla\r\n", true, kAlaOla, {}},
      {"blank lines and comments", "# klasa 2b\n\nAla\n   \n\t# Ola od marca\nOla\n\n", true,
       kAlaOla, {}},
      {"spaces and tabs around, kept inside", "  Ala Kowalska \t\n\tOla\n", true,
       {"Ala Kowalska", "Ola"}, {}},
      {"a # inside a name", "Ola #2\n", true, {"Ola #2"}, {}},
      {"Polish letters in UTF-8", "Łucja\nŻółw\nJaś\n", true, kPolish, {}},
      {"decomposed, as a Mac writes", "Łucja\nZ\xCC\x87o\xCC\x81\xC5\x82w\nJas\xCC\x81\n", true,
       kPolish, {}},
      {"UTF-16 little-endian, Notepad's Unicode", Utf16(u"Łucja\r\nŻółw\r\nJaś\r\n", false), true,
       kPolish, {}},
      {"UTF-16 big-endian", Utf16(u"Łucja\nŻółw\nJaś", true), true, kPolish, {}},
      {"Windows-1250, an old Polish editor", "\xA3ucja\r\n\xAF\xF3\xB3w\r\nJa\x9C\r\n", true,
       kPolish, {}},
      {"Cyrillic and Greek", "Мария\nΣοφία\n", true, {"Мария", "Σοφία"}, {}},
      {"a name written twice: the first counts", "Ala\nOla\nALA\n", true, kAlaOla,
       {" uczniowie.txt, wiersz 3: \"ALA\" powtarza imię z wiersza 1 (\"Ala\"); pominięte."}},
      {"one name composed, then decomposed", "Żółw\nZ\xCC\x87\xC3\xB3\xC5\x82w\n", true,
       {"Żółw"},
       {" uczniowie.txt, wiersz 2: \"Z\xCC\x87\xC3\xB3\xC5\x82w\" powtarza imię z wiersza 1 "
        "(\"Żółw\"); pominięte."}},
      {"one Cyrillic name in two cases", "Мария\nМАРИЯ\n", true, {"Мария"},
       {" uczniowie.txt, wiersz 2: \"МАРИЯ\" powtarza imię z wiersza 1 (\"Мария\"); pominięte."}},
      {"a name that cannot be a file name", "Ala\nOla/Ela\nOla\n", true, kAlaOla,
       {" uczniowie.txt, wiersz 2: \"Ola/Ela\" nie może być nazwą pliku; pominięte."}},
      {"a name too long for a file name", "Ala\n" + std::string(101, 'a') + "\nOla\n", true,
       kAlaOla,
       {" uczniowie.txt, wiersz 2: \"" + std::string(30, 'a') +
        "...\" to za długie imię na nazwę pliku; pominięte."}},
      {"a school's register: 200 names read", kTooMany, true, first_200,
       {" uczniowie.txt, wiersz 201: więcej niż 200 imion; dalsze wiersze pominięte."}},
      {"a file past the reader's bound", "Ala\nOla\nEl", false, kAlaOla,
       {" uczniowie.txt, wiersz 3: plik jest za duży; dalsze wiersze pominięte."}},
      {"nothing but comments", "# nikt\n\n", true, {},
       {" uczniowie.txt: nie ma na liście żadnego imienia, którego można użyć.",
        " Popraw: wpisz imiona uczniów, jedno w wierszu."}},
      {"an empty file", "", true, {},
       {" uczniowie.txt: nie ma na liście żadnego imienia, którego można użyć.",
        " Popraw: wpisz imiona uczniów, jedno w wierszu."}},
  };
  for (const auto& c : kCases) {
    ClassList list = ParseClassList(c.bytes, c.whole);
    EXPECT_EQ(list.names, c.names) << c.what;
    EXPECT_EQ(list.state, c.names.empty() ? ListState::kNoName : ListState::kUsed) << c.what;
    EXPECT_EQ(ClassListLines(list), c.said) << c.what;
  }
}

TEST(ClassList, AListThatCannotBeReadOrIsNoFileIsSaid) {
  namespace fs = std::filesystem;
  fs::path dir = fs::temp_directory_path() / ("class_list_test_" + std::to_string(getpid()));
  fs::create_directories(dir);
  fs::path list = dir / kClassListName;
  EXPECT_EQ(ReadClassList(dir.string()).state, ListState::kNone) << "no list";
  EXPECT_TRUE(ClassListLines(ReadClassList(dir.string())).empty());
  EXPECT_EQ(ReadClassList("").state, ListState::kNone) << "no folder";

  fs::create_directory(list);
  EXPECT_EQ(ClassListLines(ReadClassList(dir.string())),
            (std::vector<std::string>{
                " uczniowie.txt: to nie jest zwykły plik (to folder albo potok).",
                " Popraw: w jego miejscu ma być plik tekstowy z imionami."}))
      << "a folder";
  fs::remove(list);
  ASSERT_EQ(mkfifo(list.c_str(), 0600), 0);
  EXPECT_EQ(ReadClassList(dir.string()).state, ListState::kNotAFile) << "a named pipe";
  fs::remove(list);

  // A school's export far past the reader's bound: its start is read.
  std::string register_text;
  for (int i = 0; i < 20000; ++i)
    register_text += "Uczeń numer " + std::to_string(i) + "\n";
  std::ofstream(list, std::ios::binary) << register_text;
  ClassList cut = ReadClassList(dir.string());
  EXPECT_EQ(cut.state, ListState::kUsed);
  EXPECT_EQ(cut.names.size(), kMostLearners);

  std::ofstream(list, std::ios::binary) << "Ala\n";
  fs::permissions(list, fs::perms::none);
  if (geteuid() != 0) {  // the superuser reads whatever it likes
    EXPECT_EQ(ClassListLines(ReadClassList(dir.string())),
              (std::vector<std::string>{
                  " uczniowie.txt: nie da się go przeczytać z tego konta.",
                  " Popraw: daj temu kontu prawo odczytu albo zamknij plik w innym programie."}))
        << "not this account's to read";
  }
  fs::remove_all(dir);
}

TEST(ClassList, NamePairsThatAreAndAreNotOneLearner) {
  const struct {
    std::string a, b;
    bool same;
  } kCases[] = {
      {"Ola", "ola", true},
      {"Łucja", "ŁUCJA", true},
      {"Źdźbło", "źDŹBŁO", true},
      {"Żółw", "Z\xCC\x87o\xCC\x81\xC5\x82w", true},  // composed and decomposed
      {"żółw", "Z\xCC\x87O\xCC\x81\xC5\x81W", true},  // and in another case
      {"Мария", "МАРИЯ", true},
      {"Σοφία", "ΣΟΦΊΑ", true},
      {"Straße", "STRASSE", true},  // full case folding
      {"Żaneta", "Zaneta", false},
      {"Ola", "Ola ", false},
      {"Ola", "Olа", false},  // the last a Cyrillic а
      {"Ala", "Ola", false},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(SameName(c.a, c.b), c.same) << c.a << " " << c.b;
    EXPECT_EQ(SameName(c.b, c.a), c.same) << c.b << " " << c.a;
  }
  EXPECT_EQ(ComposedName("Z\xCC\x87o\xCC\x81\xC5\x82w"), "Żółw");
  EXPECT_EQ(PlainName("Żółw Łucja ŚWIĘTY"), "zolw lucja swiety");
}

TEST(ClassList, ALearnersMemoryUnderTheNameWrittenBefore) {
  const std::vector<std::string> kFiles = {"practice-ola.txt", "practice-Z\xCC\x87o\xCC\x81\xC5\x82w.txt",
                                           "practice.txt", "uczniowie.txt", "practice-Ala.txt"};
  EXPECT_EQ(StoredLearnerName(kFiles, "Ola"), "ola");
  EXPECT_EQ(StoredLearnerName(kFiles, "Żółw"), "Z\xCC\x87o\xCC\x81\xC5\x82w");
  EXPECT_EQ(StoredLearnerName(kFiles, "Ala"), "Ala");
  EXPECT_EQ(StoredLearnerName(kFiles, "Ela"), "Ela") << "no memory yet";
  EXPECT_EQ(StoredLearnerName({"practice-ola.txt", "practice-Ola.txt"}, "Ola"), "Ola")
      << "its own file first";
}

TEST(ClassList, TheStartOfANameTypedWithoutPolishLettersOrCapitals) {
  const std::vector<std::string> kNames = {"Żółw", "Ola", "Olaf", "Łucja", "Оля"};
  const struct {
    std::string typed;
    std::vector<size_t> found;
  } kCases[] = {
      {"zol", {0}}, {"ZÓŁW", {0}}, {"ol", {1, 2}}, {"ola", {1}},  {"olaf", {2}},
      {"luc", {3}}, {"Оля", {4}},  {"x", {}},      {"", {}},      {"Ola Kowalska", {}},
  };
  for (const auto& c : kCases)
    EXPECT_EQ(NamesStartedBy(kNames, c.typed), c.found) << c.typed;
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
