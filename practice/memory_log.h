// A learner's memory as the runs of the programs keep it: each run appends the answers it was
// given to a log of its own, and from time to time the logs read are folded into a snapshot.
// What a learner knows is what all their logs and snapshots say, merged when they are read.
// A log line holds one answer: its run's sequence number, the time and day it was kept, the
// fact (its kind, then its numbers: "x 7 8" for 7 x 8) and how it went (q quick, s slow, m
// missed). A snapshot holds each fact's box, the runs it covers and the history day by day, each
// run's answers apart: two computers may fold the same older snapshot with different logs before
// either sees the other's, and only answers kept by run can be added up without counting the
// older ones twice.
// A line of a kind or word this version does not know (a later version's) is skipped.
#ifndef PRACTICE_MEMORY_LOG_H_
#define PRACTICE_MEMORY_LOG_H_

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "practice/answer_history.h"
#include "practice/memory.h"

/// One answer kept in a log.
struct LoggedAnswer {
  int64_t seq = 0;    // its place in its run, from 1
  int64_t time = 0;   // when it was kept: seconds since 1970-01-01 UTC, by the run's clock
  int32_t day = 0;    // the day it counts on
  int32_t index = 0;  // the fact's slot in the memory (SlotOfFact)
  Outcome outcome = Outcome::kRight;  // kRight, kSlow or kMissed
};

/// What one log file says.
struct AnswerLog {
  std::string run;                    // the run that wrote it
  std::vector<LoggedAnswer> answers;  // in the order written
  bool ended = false;                 // its run ended it: nothing more will be added
  bool unknown = false;               // lines were skipped (a later version's, or a person's edit)
};

/// The first line of the log of run |run|.
std::string LogHeader(const std::string& run);

/// The line of |answer| in a log.
std::string LogLine(const LoggedAnswer& answer);

/// The line a run writes last in its log.
std::string LogEnd();

/// Reads the text of a log. A last line without its end (a write cut short) is left out.
/// False where the text is no log at all (its first line is not a log's header).
bool ParseLog(const std::string& text, AnswerLog& log);

/// One run's answers to one fact on one day. Run "" holds what the first snapshots kept
/// without naming the runs that gave it.
struct RunDay {
  std::string run;
  FactDay day;
};

/// A learner's memory merged: a snapshot's contents.
struct MergedMemory {
  int64_t version = 0;  // the snapshot format it was written in
  Memory memory;
  std::array<int64_t, kMemoryFacts> times{};  // by slot: the time its box was set
  std::vector<RunDay> run_days;               // ordered by day, then index, then run
  AnswerHistory history;                      // run_days added up per fact and day
  std::map<std::string, int64_t> covers;      // each run folded in, with its last answer's seq
  bool unknown = false;  // lines were skipped (a later version's, comments, a person's edit)
};

/// The text of a snapshot of |merged|.
std::string FormatSnapshot(const MergedMemory& merged);

/// Reads the text of a snapshot into |merged|. False where it is no snapshot at all.
bool ParseSnapshot(const std::string& text, MergedMemory& merged);

/// What all of a learner's files say. |legacy| is the memory file of the earlier versions,
/// which holds boxes and days only (empty where there is none). A snapshot whose runs another
/// snapshot of its format or a later one covers as well is left out; where two snapshots each
/// cover runs the other does not, each fact keeps the box set last and each run's day the most
/// answers either kept of it. Then every answer of the logs no snapshot covers is applied in the
/// order of its time (then run, then seq), each answer once however many copies of its log
/// there are. The history adds up the runs of each fact and day; its box is the fact's box on
/// the day it was last asked, else the lowest any run left it in that day.
MergedMemory MergeMemory(const Memory& legacy, const std::vector<MergedMemory>& snapshots,
                         const std::vector<AnswerLog>& logs);

#endif  // PRACTICE_MEMORY_LOG_H_
