// Feeds arbitrary bytes to the reader of practice's memory file and checks what it keeps: text
// it refuses leaves the memory as it was, text it takes (whole or leaving lines out) is
// written back as a file that reads the same with nothing left out, and any memory built from
// the bytes is written as a file that reads back to it.

#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/fuzz_check.h"
#include "practice/memory.h"

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
  return 0;
}
