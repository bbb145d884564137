#include "report/fact_label.h"

#include "practice/memory.h"

std::string FactLabel(int32_t index, LabelForm form) {
  std::string a = std::to_string(index / kMemoryRange + 1);
  std::string b = std::to_string(index % kMemoryRange + 1);
  switch (form) {
    case LabelForm::kCp852:
      return a + "\x9E" + b;
    case LabelForm::kUtf8:
      return a + "\xC3\x97" + b;
    case LabelForm::kSpaced:
      break;
  }
  return a + " x " + b;
}
