#include "report/class_report.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "practice/class_list.h"
#include "practice/testing/memory_with.h"
#include "report/class_csv.h"
#include "report/progress.h"

namespace {

LearnerRecord Learner(const std::string& name, const Memory& memory) {
  return LearnerRecord{name, "practice-" + name + ".txt", true, memory, {}};
}

}  // namespace

TEST(ClassReport, SumsOfALearner) {
  const struct {
    const char* what;
    Memory memory;
    int32_t known, in_box_one, never_asked, last_day;
  } kCases[] = {
      {"never practised", Memory{}, 0, 0, 100, -1},
      {"one of each box",
       MemoryWith({{{1, 1}, {1, 5}},
                   {{1, 2}, {2, 9}},
                   {{1, 3}, {3, 2}},
                   {{1, 4}, {4, 7}},
                   {{10, 10}, {5, 3}}}),
       3, 1, 95, 9},
      {"box 1 only", MemoryWith({{{7, 8}, {1, 20000}}, {{8, 7}, {1, 19990}}}), 0, 2, 98, 20000},
  };
  for (const auto& c : kCases) {
    LearnerSums sums = SumLearner(c.memory);
    EXPECT_EQ(sums.known, c.known) << c.what;
    EXPECT_EQ(sums.in_box_one, c.in_box_one) << c.what;
    EXPECT_EQ(sums.never_asked, c.never_asked) << c.what;
    EXPECT_EQ(sums.last_day, c.last_day) << c.what;
  }
}

TEST(ClassReport, MarkedAfterSevenDaysWithoutPractice) {
  const struct {
    int32_t last_day, today;
    bool marked;
  } kCases[] = {
      {100, 100, false}, {100, 106, false}, {100, 107, true}, {-1, 100, true}, {110, 100, false}};
  for (const auto& c : kCases) {
    LearnerSums sums;
    sums.last_day = c.last_day;
    EXPECT_EQ(NotPractisedLately(sums, c.today), c.marked) << c.last_day << " " << c.today;
  }
}

TEST(ClassReport, WeakestFactsByLearnersInBoxOneThenLowestMeanBox) {
  // 7x8: two in box 1. 6x7: one in box 1, mean 1.5 (boxes 1, 2). 2x2: one in box 1, mean 2
  // (boxes 1, 3). 9x9: none in box 1, mean 2. 3x3: none in box 1, mean 4. Never asked: left
  // out. 5x5: the same as 9x9, earlier in the table.
  std::vector<LearnerRecord> learners = {
      Learner("Ala", MemoryWith({{{7, 8}, {1, 0}},
                                 {{6, 7}, {2, 0}},
                                 {{2, 2}, {1, 0}},
                                 {{9, 9}, {2, 0}},
                                 {{3, 3}, {4, 0}},
                                 {{5, 5}, {2, 0}}})),
      Learner("Ola", MemoryWith({{{7, 8}, {1, 0}}, {{6, 7}, {1, 0}}, {{2, 2}, {3, 0}}})),
  };
  std::vector<FactStanding> standings = FactStandings(learners);
  const FactStanding& seven_eight = standings[static_cast<size_t>(MemoryIndex({7, 8}))];
  EXPECT_EQ(seven_eight.in_box_one, 2);
  EXPECT_EQ(seven_eight.asked, 2);
  EXPECT_EQ(seven_eight.box_sum, 2);
  std::vector<int32_t> order;
  for (const FactStanding& fact : WeakestFacts(standings, 20))
    order.push_back(fact.index);
  EXPECT_EQ(order,
            (std::vector<int32_t>{MemoryIndex({7, 8}), MemoryIndex({6, 7}), MemoryIndex({2, 2}),
                                  MemoryIndex({5, 5}), MemoryIndex({9, 9}), MemoryIndex({3, 3})}));
  EXPECT_EQ(WeakestFacts(standings, 2).size(), 2u);
  EXPECT_TRUE(WeakestFacts(FactStandings({}), 20).empty());
}

TEST(ClassReport, DaysAsDates) {
  const struct {
    int32_t day;
    const char* shown;
    const char* iso;
  } kCases[] = {{0, "01.01.1970", "1970-01-01"},     {59, "01.03.1970", "1970-03-01"},
                {11016, "29.02.2000", "2000-02-29"}, {20795, "08.12.2026", "2026-12-08"},
                {20818, "31.12.2026", "2026-12-31"}, {20819, "01.01.2027", "2027-01-01"}};
  for (const auto& c : kCases) {
    EXPECT_EQ(DateOfDay(c.day), c.shown);
    EXPECT_EQ(IsoDateOfDay(c.day), c.iso);
  }
}

TEST(ClassReport, LearnersFromTheListThenTheFolderThenTheAccountsOwn) {
  std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("class_report_test_" + std::to_string(getpid()));
  std::filesystem::create_directories(dir);
  auto write = [&](const std::string& name, const std::string& text) {
    std::ofstream(dir / name, std::ios::binary) << text;
  };
  const std::string kFact = "tabliczka practice 1\n2 2 3 5\n";
  write("uczniowie.txt", "Zosia\nOla/Ela\nala\nALA\n");
  write("practice-Ala.txt", kFact);  // ala's, in another case
  write("practice-Kuba.txt", kFact);
  write("practice-Ewa.txt", "no memory\n");
  write("practice.txt", kFact);
  write("practice-Kuba.txt.lock", "");
  write("practice-Kuba.txt.1.bad", "");
  // The runs' logs and snapshots: Zosia has practised on a computer of this version only, Jan
  // has only a snapshot; the account's own log adds to practice.txt.
  write("practice-Zosia.txt.pc1-7-ab.log",
        "tabliczka log 1 pc1-7-ab\n1 100 6 x 7 8 q\n2 101 6 x 7 8 m\n3 90000 7 x 7 8 s\n");
  write("practice-Jan.txt.pc2-9-cd.snap", "tabliczka memory 1\nrun pc2-9-cd 1\nfact x 9 9 2 6 1\n");
  write("practice.txt.pc1-8-ef.log", "tabliczka log 1 pc1-8-ef\n1 999999 11 x 2 2 q\n");
  for (const char* file : {"practice-Zosia.txt.pc1-7-ab.log", "practice-Jan.txt.pc2-9-cd.snap"}) {
    std::string name;
    EXPECT_FALSE(LearnerOfFileName(file, name)) << file << ": no learner to an older postepy";
  }
  ClassRecords records;
  ASSERT_TRUE(ReadClassFolder(dir.string(), records));
  std::vector<std::string> names, files;
  for (const LearnerRecord& learner : records.learners) {
    names.push_back(learner.name);
    files.push_back(learner.file + (learner.has_file ? "" : " (none)"));
  }
  EXPECT_EQ(names, (std::vector<std::string>{"Zosia", "ala", "Jan", "Kuba", "practice.txt"}));
  EXPECT_EQ(files,
            (std::vector<std::string>{"practice-Zosia.txt", "practice-Ala.txt", "practice-Jan.txt",
                                      "practice-Kuba.txt", "practice.txt"}));
  EXPECT_EQ(records.learners[1].memory.facts[static_cast<size_t>(MemoryIndex({2, 2}))].box, 3);
  EXPECT_EQ(records.learners[2].memory.facts[static_cast<size_t>(MemoryIndex({9, 9}))].box, 2);
  EXPECT_EQ(records.learners[4].memory.facts[static_cast<size_t>(MemoryIndex({2, 2}))].box, 4);
  // Zosia's history, day by day: 7 x 8 right and missed on day 6, slow on day 7.
  const AnswerHistory& history = records.learners[0].history;
  ASSERT_EQ(history.size(), 2u);
  EXPECT_TRUE(history[0].index == MemoryIndex({7, 8}) && history[0].day == 6 &&
              history[0].quick == 1 && history[0].missed == 1 && history[0].box == 1);
  EXPECT_TRUE(history[1].day == 7 && history[1].slow == 1 && history[1].box == 1);
  EXPECT_EQ(records.unreadable, std::vector<std::string>{"practice-Ewa.txt"});
  EXPECT_EQ(FindLearner(records, "KUBA"), &records.learners[3]);
  EXPECT_EQ(FindLearner(records, "Ewa"), nullptr);
  std::vector<bool> listed;
  for (const LearnerRecord& learner : records.learners)
    listed.push_back(learner.listed);
  EXPECT_EQ(listed, (std::vector<bool>{true, true, false, false, false})) << "Jan and Kuba left";
  EXPECT_EQ(ClassListLines(records.list),
            (std::vector<std::string>{
                " uczniowie.txt, wiersz 2: \"Ola/Ela\" nie może być nazwą pliku; pominięte.",
                " uczniowie.txt, wiersz 4: \"ALA\" powtarza imię z wiersza 3 (\"ala\"); pominięte."}));

  // The list mended, in Windows-1250: a name in capitals, one whose memory a Mac named
  // decomposed; the memories found under the names written before, none merged into another's
  // row.
  write("uczniowie.txt", "KUBA\r\nZosia\r\n\xAF\xF3\xB3w\r\n");
  write("practice-Z\xCC\x87o\xCC\x81\xC5\x82w.txt", kFact);
  ASSERT_TRUE(ReadClassFolder(dir.string(), records));
  names.clear();
  files.clear();
  listed.clear();
  for (const LearnerRecord& learner : records.learners) {
    names.push_back(learner.name);
    files.push_back(learner.file);
    listed.push_back(learner.listed);
  }
  EXPECT_EQ(names, (std::vector<std::string>{"KUBA", "Zosia", "Żółw", "Ala", "Jan", "practice.txt"}));
  EXPECT_EQ(files, (std::vector<std::string>{"practice-Kuba.txt", "practice-Zosia.txt",
                                             "practice-Z\xCC\x87o\xCC\x81\xC5\x82w.txt",
                                             "practice-Ala.txt", "practice-Jan.txt", "practice.txt"}));
  EXPECT_EQ(listed, (std::vector<bool>{true, true, true, false, false, false}));
  EXPECT_TRUE(ClassListLines(records.list).empty());
  EXPECT_EQ(FindLearner(records, "zol"), &records.learners[2]);
  EXPECT_EQ(FindLearner(records, "Z\xCC\x87\xC3\xB3\xC5\x82w"), &records.learners[2]);
  EXPECT_EQ(FindLearner(records, "ZOSIA"), &records.learners[1]);
  EXPECT_EQ(FindLearner(records, "Ola"), nullptr);
  EXPECT_EQ(FindLearner(records, "z"), nullptr) << "two names start so";
  std::filesystem::remove_all(dir);
  EXPECT_FALSE(ReadClassFolder(dir.string(), records));
}

TEST(ClassReport, DivisionsAmongTheWeakestAndInTheCsvWhereAnyonePractisedThem) {
  const int32_t k56by8 = SlotOfFact({FactKind::kDivision, 8, 7});
  Memory ala = MemoryWith({{{7, 8}, {2, 20790}}});
  ala.facts[static_cast<size_t>(k56by8)] = FactMemory{1, 20795};
  ClassRecords records;
  records.learners = {Learner("Ala", ala), Learner("Ola", MemoryWith({{{7, 8}, {3, 0}}}))};
  // The divisions count in what was practised lately, not in the 100 products' sums.
  LearnerSums sums = SumLearner(ala);
  EXPECT_EQ(sums.never_asked, 99);
  EXPECT_EQ(sums.last_day, 20795);
  std::vector<int32_t> order;
  for (const FactStanding& fact : WeakestFacts(FactStandings(records.learners), 20))
    order.push_back(fact.index);
  EXPECT_EQ(order, (std::vector<int32_t>{k56by8, MemoryIndex({7, 8})}));
  // Its row after the 100 products', labelled as text a spreadsheet keeps; none without it.
  std::string csv = ClassCsv(records, 20796, WeekEndingOn(20796), kScriptCsv);
  EXPECT_NE(csv.find("\r\n10 x 10,0,0,,0,0\r\n1 : 1,0,0,,0,0\r\n"), std::string::npos);
  EXPECT_NE(csv.find("\r\n56 : 8,1,1,1.00,1,0\r\n"), std::string::npos);
  EXPECT_NE(ClassCsv(records, 20796, WeekEndingOn(20796), kSpreadsheetCsv)
                .find("\r\n56∶8;1;1;1,00;1;0\r\n"),
            std::string::npos);
  records.learners[0].memory.facts[static_cast<size_t>(k56by8)] = FactMemory{};
  csv = ClassCsv(records, 20796, WeekEndingOn(20796), kScriptCsv);
  EXPECT_NE(csv.find("\r\n10 x 10,0,0,,0,0\r\n"), std::string::npos);
  EXPECT_EQ(csv.find(" : "), std::string::npos);
}
