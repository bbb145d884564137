#include "report/fact_label.h"

#include "practice/fact.h"

std::string FactLabelIn(int32_t slot, LabelForm form) {
  std::string label = FactLabel(FactOfSlot(slot));
  if (form == LabelForm::kSpaced)
    return label;
  std::string compact;
  for (char c : label) {
    if (c == 'x')
      compact += form == LabelForm::kUtf8 ? "\xC3\x97" : "\x9E";
    else if (c == ':' && form == LabelForm::kUtf8)
      compact += "\xE2\x88\xB6";  // the ratio sign: a colon a spreadsheet takes for a time
    else if (c != ' ')
      compact += c;
  }
  return compact;
}
