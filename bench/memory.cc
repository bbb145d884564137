// How long keeping an answer takes and how large a learner's memory grows, on the folder given
// (a tmpfs, a disk, a network share mounted here):
//   memory_bench saves FOLDER N            the time per answer of N answers kept one by one
//   memory_bench year FOLDER ROUNDS ANSWERS a year of ROUNDS rounds a day of ANSWERS answers,
//                                          each round a run of its own that folds at its start;
//                                          then the size of the files and a round's start
// The year ends today, so that no answer is dated after the file that holds it.

#include <sys/stat.h>

#include <chrono>
#include <cstdio>
#include <ctime>
#include <random>
#include <string>
#include <vector>

#include "practice/memory_store.h"

namespace {

double MillisecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
      .count();
}

// Keeps |count| answers one by one, as a round does.
int Saves(const MemoryFile& file, int count) {
  int64_t now = static_cast<int64_t>(std::time(nullptr));
  Memory memory;
  MemoryLog log;
  LoadMemory(file, memory, log, now);
  auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < count; ++i) {
    Unsaved unsaved;
    NoteUnsaved(unsaved, log, memory, (i * 37) % kMemoryFacts,
                i % 7 ? Outcome::kRight : Outcome::kMissed, DayOfClock(now), now + i);
    if (!KeepUnsaved(log, unsaved))
      return 1;
  }
  std::printf("%.3f ms per answer\n", MillisecondsSince(start) / count);
  EndMemoryLog(log);
  return 0;
}

int Year(const MemoryFile& file, int rounds, int answers) {
  std::mt19937 random(7);
  const int64_t today = static_cast<int64_t>(std::time(nullptr));
  for (int day = 365; day > 0; --day) {
    for (int round = 0; round < rounds; ++round) {
      int64_t now = today - day * 86400LL + round * 3600;
      Memory memory;
      MemoryLog log;
      LoadMemory(file, memory, log, now);
      for (int answer = 0; answer < answers; ++answer) {
        int roll = static_cast<int>(random() % 100);
        Outcome outcome = roll < 15   ? Outcome::kMissed
                          : roll < 35 ? Outcome::kSlow
                                      : Outcome::kRight;
        Unsaved unsaved;
        NoteUnsaved(unsaved, log, memory, static_cast<int32_t>(random() % kMemoryFacts), outcome,
                    DayOfClock(now), now + answer * 5);
        KeepUnsaved(log, unsaved);
      }
      EndMemoryLog(log);
    }
  }
  auto start = std::chrono::steady_clock::now();
  Memory memory;
  MemoryLog log;
  LoadMemory(file, memory, log, today);
  double load = MillisecondsSince(start);
  std::vector<std::string> names;
  FileNamesInFolder(file.folder.path, names);
  long long bytes = 0;
  for (const std::string& name : names) {
    struct stat info;
    if (stat(FileInFolder(file.folder, name).c_str(), &info) == 0)
      bytes += info.st_size;
  }
  std::printf(
      "%d rounds a day of %d answers: %zu files, %lld bytes, %zu fact-days; "
      "a round's start %.2f ms\n",
      rounds, answers, names.size(), bytes, ReadMemoryFiles(file, today).merged.history.size(),
      load);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() < 3)
    return 2;
  UserFolder folder{args[1], args[1]};
  MemoryFile file{folder, FileInFolder(folder, kMemoryFileName)};
  if (args[0] == "saves")
    return Saves(file, std::stoi(args[2]));
  if (args[0] == "year" && args.size() == 4)
    return Year(file, std::stoi(args[2]), std::stoi(args[3]));
  return 2;
}
