// Prints what a class folder's memory keeps of each learner's answers, one line a fact asked:
// "NAME<TAB>a<TAB>b<TAB>ANSWERS<TAB>HOW". Where the learner's files keep an answer history,
// ANSWERS is every answer it holds for the fact (HOW "history"); where they keep only boxes,
// it is the box less one, the number of quick right answers that lifted a new fact there (HOW
// "box"). A file the reader skipped is named on a line "UNREADABLE<TAB>FILE". Only reads.
// Usage: kept_answers FOLDER
#include <cstdio>
#include <map>
#include <string>

#include "practice/fact.h"
#include "report/class_folder.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: kept_answers FOLDER\n");
    return 2;
  }
  ClassRecords records;
  if (!ReadClassFolder(argv[1], records)) {
    std::fprintf(stderr, "cannot read %s\n", argv[1]);
    return 1;
  }
  for (const LearnerRecord& learner : records.learners) {
    std::map<int32_t, int32_t> answers;  // by fact index
    for (const FactDay& day : learner.history) answers[day.index] += day.quick + day.slow + day.missed;
    const bool history = !learner.history.empty();
    if (!history) {
      for (int32_t index = 0; index < kMemoryFacts; ++index) {
        const int32_t box = learner.memory.facts[index].box;
        if (box > 0) answers[index] = box - 1;
      }
    }
    for (const auto& [index, count] : answers) {
      const Fact fact = FactOfSlot(index);  // the rounds played ask multiplications only
      if (fact.kind != FactKind::kMultiplication) continue;
      std::printf("%s\t%d\t%d\t%d\t%s\n", learner.name.c_str(), fact.a, fact.b, count,
                  history ? "history" : "box");
    }
  }
  for (const std::string& file : records.unreadable) std::printf("UNREADABLE\t%s\n", file.c_str());
  return 0;
}
