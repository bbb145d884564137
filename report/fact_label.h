// How the report names a fact: the one place that turns a fact's index into its label.
#ifndef REPORT_FACT_LABEL_H_
#define REPORT_FACT_LABEL_H_

#include <cstdint>
#include <string>

/// The forms a label is written in.
enum class LabelForm {
  kCp852,   // "7×8" in code page 852, as the text report shows it
  kUtf8,    // "7×8" in UTF-8: the spreadsheet CSV and the HTML page; no spreadsheet reads it
            // as a date or a number
  kSpaced,  // "7 x 8", the comma-separated CSV's form kept for scripts
};

/// The label of the fact at memory index |index| (MemoryIndex) in |form|.
std::string FactLabel(int32_t index, LabelForm form);

#endif  // REPORT_FACT_LABEL_H_
