#include "practice/memory_log.h"

#include <algorithm>
#include <set>
#include <tuple>
#include <utility>

#include "practice/edited_text.h"
#include "practice/fact.h"

namespace {

constexpr char kLogWord[] = "log";
constexpr char kSnapshotWord[] = "memory";
constexpr int64_t kLogVersion = 1;
// A snapshot of version 2 names the run of each history line; version 1 kept them added up.
constexpr int64_t kSnapshotVersion = 2;
// The word of each kind of fact in a line, before its two numbers, by FactKind: "x 7 8" is
// 7 x 8, "d 8 7" is 56 : 8 (divisor, then quotient). A kind added later has a word of its
// own, which this version skips.
constexpr const char* kKindWords[] = {"x", "d"};
static_assert(sizeof kKindWords / sizeof kKindWords[0] == kFactKinds, "a word for each kind");

// A whole number of 1 to 18 digits, else -1.
int64_t NumberOf(const std::string& word) {
  if (word.empty() || word.size() > 18)
    return -1;
  int64_t value = 0;
  for (char c : word) {
    if (c < '0' || c > '9')
      return -1;
    value = value * 10 + (c - '0');
  }
  return value;
}

// The version a header "tabliczka <what> <version> ..." gives; 0 where it is none.
int64_t HeaderVersion(const std::vector<std::string>& words, const char* what) {
  if (words.size() < 3 || words[0] != "tabliczka" || words[1] != what)
    return 0;
  return std::max<int64_t>(NumberOf(words[2]), 0);
}

// The fact "kind a b" at |words|[at], as its slot; -1 where it is none this version knows.
int32_t FactAt(const std::vector<std::string>& words, size_t at) {
  if (words.size() < at + 3)
    return -1;
  int64_t a = NumberOf(words[at + 1]), b = NumberOf(words[at + 2]);
  if (a < 1 || a > kFactRange || b < 1 || b > kFactRange)
    return -1;
  for (int32_t kind = 0; kind < kFactKinds; ++kind) {
    if (words[at] == kKindWords[kind])
      return SlotOfFact(
          Fact{static_cast<FactKind>(kind), static_cast<int32_t>(a), static_cast<int32_t>(b)});
  }
  return -1;
}

std::string FactWords(int32_t slot) {
  Fact fact = FactOfSlot(slot);
  return std::string(kKindWords[static_cast<int32_t>(fact.kind)]) + " " + std::to_string(fact.a) +
         " " + std::to_string(fact.b);
}

char OutcomeLetter(Outcome outcome) {
  return outcome == Outcome::kMissed ? 'm' : outcome == Outcome::kSlow ? 's' : 'q';
}

// A day, a count or a box: 0 to 999999999, else -1.
int32_t SmallNumberOf(const std::string& word) {
  int64_t value = NumberOf(word);
  return value <= 999999999 ? static_cast<int32_t>(value) : -1;
}

// The text of |text| up to its last line end: a last line without one was cut short.
std::string WholeLines(const std::string& text) {
  size_t end = text.rfind('\n');
  return end == std::string::npos ? std::string() : text.substr(0, end + 1);
}

bool HasComment(const std::string& text) {
  for (size_t at = 0; at < text.size(); at = text.find('\n', at) + 1) {
    size_t start = text.find_first_not_of(" \t\r\xEF\xBB\xBF", at);
    if (start != std::string::npos && text[start] == '#')
      return true;
    if (text.find('\n', at) == std::string::npos)
      break;
  }
  return false;
}

// |run_days| (ordered by day, then index) added up per fact and day. The box is the fact's in
// |memory| on the day it was last asked; on an earlier day that two runs shared, where which
// ended later is not known, the lower.
AnswerHistory HistoryOfRuns(const std::vector<RunDay>& run_days, const Memory& memory) {
  AnswerHistory history;
  for (const RunDay& entry : run_days) {
    const FactDay& day = entry.day;
    if (history.empty() || history.back().day != day.day || history.back().index != day.index) {
      history.push_back(day);
    } else {
      FactDay& sum = history.back();
      sum.quick += day.quick;
      sum.slow += day.slow;
      sum.missed += day.missed;
      sum.box = std::min(sum.box, day.box);
    }
    const FactMemory& fact = memory.facts[day.index];
    if (fact.box != 0 && fact.day == day.day)
      history.back().box = fact.box;
  }
  return history;
}

}  // namespace

std::string LogHeader(const std::string& run) {
  return "tabliczka log 1 " + run + "\n";
}

std::string LogLine(const LoggedAnswer& answer) {
  return std::to_string(answer.seq) + " " + std::to_string(answer.time) + " " +
         std::to_string(answer.day) + " " + FactWords(answer.index) + " " +
         OutcomeLetter(answer.outcome) + "\n";
}

std::string LogEnd() {
  return "end\n";
}

bool ParseLog(const std::string& text, AnswerLog& log) {
  log = AnswerLog{};
  std::vector<std::string> lines = MeaningfulLines(WholeLines(text));
  if (lines.empty())
    return false;
  std::vector<std::string> header = WordsOf(lines[0]);
  int64_t version = HeaderVersion(header, kLogWord);
  if (version < 1 || header.size() != 4)
    return false;
  log.run = header[3];
  log.unknown = version > kLogVersion || HasComment(text);
  for (size_t i = 1; i < lines.size(); ++i) {
    std::vector<std::string> words = WordsOf(lines[i]);
    if (words.size() == 1 && words[0] == "end") {
      log.ended = true;
      continue;
    }
    LoggedAnswer answer;
    answer.index = FactAt(words, 3);
    if (words.size() != 7 || answer.index < 0 || words[6].size() != 1) {
      log.unknown = true;
      continue;
    }
    answer.seq = NumberOf(words[0]);
    answer.time = NumberOf(words[1]);
    answer.day = SmallNumberOf(words[2]);
    char letter = words[6][0];
    answer.outcome = letter == 'm'   ? Outcome::kMissed
                     : letter == 's' ? Outcome::kSlow
                                     : Outcome::kRight;
    if (answer.seq < 1 || answer.time < 0 || answer.day < 0 ||
        (letter != 'q' && letter != 's' && letter != 'm')) {
      log.unknown = true;
      continue;
    }
    log.answers.push_back(answer);
  }
  return true;
}

std::string FormatSnapshot(const MergedMemory& merged) {
  std::string text = "tabliczka memory " + std::to_string(kSnapshotVersion) + "\n";
  // A history line names its run by the place of the run's line, from 1: a few bytes, not the
  // whole name, on each of a year's thousands of lines.
  std::map<std::string, size_t> places;
  for (const auto& [run, seq] : merged.covers) {
    text += "run " + run + " " + std::to_string(seq) + "\n";
    places.emplace(run, places.size() + 1);
  }
  for (int32_t i = 0; i < kMemoryFacts; ++i) {
    const FactMemory& fact = merged.memory.facts[i];
    if (fact.box != 0)
      text += "fact " + FactWords(i) + " " + std::to_string(fact.box) + " " +
              std::to_string(fact.day) + " " + std::to_string(merged.times[i]) + "\n";
  }
  for (const RunDay& entry : merged.run_days) {
    const FactDay& day = entry.day;
    auto place = places.find(entry.run);
    text += "day " + FactWords(day.index) + " " + std::to_string(day.day) + " " +
            std::to_string(day.quick) + " " + std::to_string(day.slow) + " " +
            std::to_string(day.missed) + " " + std::to_string(day.box) +
            (place == places.end() ? "" : " " + std::to_string(place->second)) + "\n";
  }
  return text;
}

bool ParseSnapshot(const std::string& text, MergedMemory& merged) {
  merged = MergedMemory{};
  std::vector<std::string> lines = MeaningfulLines(text);
  if (lines.empty())
    return false;
  int64_t version = HeaderVersion(WordsOf(lines[0]), kSnapshotWord);
  if (version < 1)
    return false;
  merged.version = version;
  merged.unknown = version > kSnapshotVersion || HasComment(text);
  std::vector<std::string> runs;  // by the place of their lines
  for (size_t i = 1; i < lines.size(); ++i) {
    std::vector<std::string> words = WordsOf(lines[i]);
    int32_t index = FactAt(words, 1);
    if (words.size() == 3 && words[0] == "run" && NumberOf(words[2]) >= 0) {
      int64_t& seq = merged.covers[words[1]];
      seq = std::max(seq, NumberOf(words[2]));
      runs.push_back(words[1]);
    } else if (words.size() == 7 && words[0] == "fact" && index >= 0) {
      int32_t box = SmallNumberOf(words[4]), day = SmallNumberOf(words[5]);
      int64_t time = NumberOf(words[6]);
      if (box < 1 || box > kTopBox || day < 0 || time < 0) {
        merged.unknown = true;
        continue;
      }
      merged.memory.facts[index] = FactMemory{box, day};
      merged.times[index] = time;
    } else if ((words.size() == 9 || words.size() == 10) && words[0] == "day" && index >= 0) {
      FactDay day{index,
                  SmallNumberOf(words[4]),
                  SmallNumberOf(words[5]),
                  SmallNumberOf(words[6]),
                  SmallNumberOf(words[7]),
                  SmallNumberOf(words[8])};
      if (day.day < 0 || day.quick < 0 || day.slow < 0 || day.missed < 0 || day.box < 1 ||
          day.box > kTopBox) {
        merged.unknown = true;
        continue;
      }
      int64_t place = words.size() == 10 ? NumberOf(words[9]) : 0;
      if (place < 0 || place > static_cast<int64_t>(runs.size())) {
        merged.unknown = true;
        continue;
      }
      merged.run_days.push_back(RunDay{place == 0 ? std::string() : runs[place - 1], day});
    } else {
      merged.unknown = true;
    }
  }
  std::sort(merged.run_days.begin(), merged.run_days.end(), [](const RunDay& x, const RunDay& y) {
    return std::tie(x.day.day, x.day.index, x.run) < std::tie(y.day.day, y.day.index, y.run);
  });
  merged.history = HistoryOfRuns(merged.run_days, merged.memory);
  return true;
}

namespace {

// True when every run |inner| covers, |outer| covers as far, and |outer| keeps all |inner| can
// say: a snapshot of an earlier format left out what it did not know.
bool CoversAll(const MergedMemory& outer, const MergedMemory& inner) {
  if (outer.version < inner.version)
    return false;
  for (const auto& [run, seq] : inner.covers) {
    auto found = outer.covers.find(run);
    if (found == outer.covers.end() || found->second < seq)
      return false;
  }
  return true;
}

}  // namespace

MergedMemory MergeMemory(const Memory& legacy, const std::vector<MergedMemory>& snapshots,
                         const std::vector<AnswerLog>& logs) {
  MergedMemory merged;
  merged.version = kSnapshotVersion;
  merged.memory = legacy;
  for (int32_t i = 0; i < kMemoryFacts; ++i)
    merged.times[i] = int64_t{legacy.facts[i].day} * 86400;
  // The snapshots no other covers: where two cover the same runs, the first one.
  std::vector<const MergedMemory*> uncovered;
  for (size_t s = 0; s < snapshots.size(); ++s) {
    bool covered = false;
    for (size_t t = 0; t < snapshots.size() && !covered; ++t)
      covered = t != s && CoversAll(snapshots[t], snapshots[s]) &&
                (!CoversAll(snapshots[s], snapshots[t]) || t < s);
    if (!covered)
      uncovered.push_back(&snapshots[s]);
  }
  // Each run by a number in the order of the names, for a quick key: a year holds thousands.
  std::map<std::string, int32_t> numbers{{std::string(), 0}};
  for (const MergedMemory* snapshot : uncovered) {
    for (const auto& covered : snapshot->covers)
      numbers.emplace(covered.first, 0);
  }
  for (const AnswerLog& log : logs)
    numbers.emplace(log.run, 0);
  std::vector<const std::string*> names;
  for (auto& [name, number] : numbers) {
    number = static_cast<int32_t>(names.size());
    names.push_back(&name);
  }
  std::map<std::tuple<int32_t, int32_t, int32_t>, FactDay> days;  // by (day, index, run)
  for (const MergedMemory* kept_snapshot : uncovered) {
    const MergedMemory& snapshot = *kept_snapshot;
    for (const auto& [run, seq] : snapshot.covers) {
      int64_t& kept = merged.covers[run];
      kept = std::max(kept, seq);
    }
    for (int32_t i = 0; i < kMemoryFacts; ++i) {
      FactMemory& fact = merged.memory.facts[i];
      if (snapshot.memory.facts[i].box != 0 &&
          (fact.box == 0 || snapshot.times[i] >= merged.times[i])) {
        fact = snapshot.memory.facts[i];
        merged.times[i] = snapshot.times[i];
      }
    }
    // Two snapshots that both hold a run's day hold it as far as each read that run's log.
    for (const RunDay& entry : snapshot.run_days) {
      const FactDay& day = entry.day;
      auto number = numbers.find(entry.run);
      if (number == numbers.end())
        continue;  // a run the snapshot does not say it covers: no snapshot this version wrote
      FactDay& kept = days[{day.day, day.index, number->second}];
      if (day.quick + day.slow + day.missed >= kept.quick + kept.slow + kept.missed)
        kept = day;
    }
  }
  // The answers no snapshot covers, each once, in the order they were given.
  struct Pending {
    const LoggedAnswer* answer;
    const std::string* run;
    int32_t number;
  };
  std::vector<Pending> pending;
  std::set<std::pair<std::string, int64_t>> seen;
  for (const AnswerLog& log : logs) {
    auto covered = merged.covers.find(log.run);
    int64_t last = covered == merged.covers.end() ? 0 : covered->second;
    for (const LoggedAnswer& answer : log.answers) {
      if (answer.seq > last && seen.insert({log.run, answer.seq}).second)
        pending.push_back(Pending{&answer, &log.run, numbers[log.run]});
    }
  }
  std::sort(pending.begin(), pending.end(), [](const Pending& x, const Pending& y) {
    return std::tie(x.answer->time, *x.run, x.answer->seq) <
           std::tie(y.answer->time, *y.run, y.answer->seq);
  });
  for (const Pending& p : pending) {
    const LoggedAnswer& answer = *p.answer;
    ApplyOutcome(merged.memory, answer.index, answer.outcome, answer.day);
    merged.times[answer.index] = std::max(merged.times[answer.index], answer.time);
    FactDay& day = days[{answer.day, answer.index, p.number}];
    day.index = answer.index;
    day.day = answer.day;
    day.quick += answer.outcome == Outcome::kRight;
    day.slow += answer.outcome == Outcome::kSlow;
    day.missed += answer.outcome == Outcome::kMissed;
    day.box = merged.memory.facts[answer.index].box;
    int64_t& seq = merged.covers[*p.run];
    seq = std::max(seq, answer.seq);
  }
  for (const auto& [key, day] : days)
    merged.run_days.push_back(RunDay{*names[std::get<2>(key)], day});
  merged.history = HistoryOfRuns(merged.run_days, merged.memory);
  return merged;
}
