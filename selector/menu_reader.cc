#include "selector/menu_reader.h"

#include "console/input_stream.h"
#include "console/output_stream.h"

namespace {

bool IsDigit(int byte) {
  return byte >= '0' && byte <= '9';
}

}  // namespace

void ReadMenuNumber(uint16_t& choice, bool& failed) {
  if (failed || InputEnded()) {
    failed = true;
    return;
  }
  FlushOutput();

  int byte = ReadInputByte();
  while (IsSpaceByte(byte))
    byte = ReadInputByte();
  bool negative = false;
  if (byte == '+' || byte == '-') {
    negative = byte == '-';
    byte = ReadInputByte();
  }
  if (!IsDigit(byte)) {
    UnreadInputByte(byte);
    failed = true;
    return;
  }

  // Every digit is taken, also those after the value has grown too large.
  uint32_t value = 0;
  bool too_large = false;
  for (; IsDigit(byte); byte = ReadInputByte()) {
    value = value * 10 + static_cast<uint32_t>(byte - '0');
    if (value > 65535) {
      too_large = true;
      value = 65536;  // kept small; the read fails whatever follows
    }
  }
  UnreadInputByte(byte);
  if (too_large) {
    failed = true;
    return;
  }
  choice = static_cast<uint16_t>(negative ? (65536 - value) % 65536 : value);
}

void SkipRestOfRow() {
  for (int byte = ReadInputByte(); byte >= 0 && byte != '\n'; byte = ReadInputByte()) {
  }
}
