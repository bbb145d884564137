// Feeds arbitrary bytes to the readers of practice's memory files and checks what they keep:
// text the earlier versions' reader refuses leaves the memory as it was, text it takes (whole
// or leaving lines out) is written back as a file that reads the same with nothing left out,
// and any memory built from the bytes is written as a file that reads back to it. The same
// bytes read as a log and as a snapshot: every answer a log gives is written back as the same
// line, and what the two merge into is a memory of boxes 1 to 5 whose snapshot reads back to
// itself and counts no answer twice.

#include <cstddef>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "practice/memory.h"
#include "practice/memory_log.h"

namespace {

bool Same(const Memory& x, const Memory& y) {
  for (size_t i = 0; i < x.facts.size(); ++i) {
    if (x.facts[i].box != y.facts[i].box ||
        (x.facts[i].box != 0 && x.facts[i].day != y.facts[i].day))
      return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);

  Memory before;
  before.facts[0] = FactMemory{3, 77};
  Memory read = before;
  MemoryText parsed = ParseMemory(text, read);
  if (parsed == MemoryText::kRead || parsed == MemoryText::kReadSkippingLines) {
    for (const FactMemory& fact : read.facts)
      Check(fact.box >= 0 && fact.box <= kTopBox && (fact.box == 0 || fact.day >= 0));
    Memory again;
    Check(ParseMemory(FormatMemory(read), again) == MemoryText::kRead && Same(again, read));
  } else {
    Check(Same(read, before));
  }

  // A memory from the bytes: each byte a fact's box, the days from the bytes as well.
  Memory built;
  for (size_t i = 0; i < size && i < built.facts.size(); ++i) {
    built.facts[i].box = data[i] % (kTopBox + 1);
    built.facts[i].day = static_cast<int32_t>(data[i] * 1000003u % 1000000000u);
  }
  Memory back;
  Check(ParseMemory(FormatMemory(built), back) == MemoryText::kRead && Same(back, built));

  AnswerLog log;
  std::vector<AnswerLog> logs;
  if (ParseLog(text, log)) {
    for (const LoggedAnswer& answer : log.answers) {
      AnswerLog line;
      Check(ParseLog(LogHeader("r") + LogLine(answer), line) && line.answers.size() == 1 &&
            LogLine(line.answers[0]) == LogLine(answer));
    }
    logs = {log, log};  // a copy counts once
  }
  MergedMemory snapshot;
  std::vector<MergedMemory> snapshots;
  if (ParseSnapshot(text, snapshot))
    snapshots.push_back(snapshot);
  MergedMemory merged = MergeMemory(read, snapshots, logs);
  for (const FactMemory& fact : merged.memory.facts)
    Check(fact.box >= 0 && fact.box <= kTopBox);
  if (snapshots.empty()) {  // each answer of the log once in the history, its copy not at all
    std::set<int64_t> seqs;
    for (const LoggedAnswer& answer : logs.empty() ? std::vector<LoggedAnswer>{} : log.answers)
      seqs.insert(answer.seq);
    size_t counted = 0;
    for (const FactDay& day : merged.history)
      counted += static_cast<size_t>(day.quick + day.slow + day.missed);
    Check(counted == seqs.size());
  }
  MergedMemory again;
  Check(ParseSnapshot(FormatSnapshot(merged), again) &&
        FormatSnapshot(again) == FormatSnapshot(merged));
  // Folded, the logs it covers add nothing more.
  Check(FormatMemory(MergeMemory(Memory{}, {again}, logs).memory) == FormatMemory(merged.memory));
  return 0;
}
