// How the report writes a fact in each of its forms, all made from the one label a fact has
// (FactLabel), so that a new kind of fact is written right everywhere at once.
#ifndef REPORT_FACT_LABEL_H_
#define REPORT_FACT_LABEL_H_

#include <cstdint>
#include <string>

/// The forms a label is written in.
enum class LabelForm {
  kCp852,   // "7×8" in code page 852, as the text report shows it
  kUtf8,    // "7×8" and "56∶8" (the ratio sign U+2236, which looks like the colon) in UTF-8:
            // the spreadsheet CSV and the HTML page; no spreadsheet reads them as a date, a time
            // or a number, as they read "56:8" as 56 hours and 8 minutes
  kSpaced,  // "7 x 8", FactLabel as it is: the comma-separated CSV's form kept for scripts
};

/// The label of the fact kept at |slot| (FactOfSlot) in |form|: FactLabel's, its spaces left
/// out and its sign "x" written as "×" in the two compact forms, ":" as "∶" in UTF-8.
std::string FactLabelIn(int32_t slot, LabelForm form);

#endif  // REPORT_FACT_LABEL_H_
