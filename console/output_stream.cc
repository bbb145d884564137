#include "console/output_stream.h"

#include <cstdlib>
#include <cstring>

#include "console/output_device.h"

namespace {

const OutputDevice& Device() {
  static const OutputDevice device = FindOutputDevice();
  return device;
}

// Standard output's buffer, written straight to the device with nothing in between: a line end
// flushes it, so it only ever holds the current row.
struct OutputBuffer {
  char bytes[4096];
  size_t size = 0;
};

OutputBuffer& Buffer() {
  static OutputBuffer* buffer = [] {
    std::atexit(FlushOutput);  // nothing written is lost at the end, whatever ended it
    return new OutputBuffer;
  }();
  return *buffer;
}

void Append(const char* bytes, size_t size) {
  OutputBuffer& buffer = Buffer();
  if (buffer.size + size > sizeof buffer.bytes) {
    FlushOutput();
    if (size > sizeof buffer.bytes) {
      WriteToDevice(bytes, size);
      return;
    }
  }
  std::memcpy(buffer.bytes + buffer.size, bytes, size);
  buffer.size += size;
}

}  // namespace

void WriteOutput(const char* bytes, size_t size) {
  const OutputDevice& device = Device();
  static bool preamble_written = false;  // decided once, as the device is
  if (!preamble_written) {
    preamble_written = true;
    Append(device.preamble.data(), device.preamble.size());
  }
  if (!device.convert) {
    Append(bytes, size);
    return;
  }
  // ASCII goes out as it is, in runs; each byte from 0x80 up as the device shows it.
  size_t run = 0;
  for (size_t i = 0; i < size; ++i) {
    unsigned char byte = static_cast<unsigned char>(bytes[i]);
    if (byte < 0x80)
      continue;
    Append(bytes + run, i - run);
    const std::string& shown = device.shown[byte - 0x80];
    Append(shown.data(), shown.size());
    run = i + 1;
  }
  Append(bytes + run, size - run);
}

void WriteUnconverted(const char* bytes, size_t size) {
  Device();  // looked at before the first write, as for any other
  FlushOutput();
  WriteToDevice(bytes, size);
}

void FlushOutput() {
  OutputBuffer& buffer = Buffer();
  size_t size = buffer.size;
  buffer.size = 0;
  WriteToDevice(buffer.bytes, size);
}

bool OutputShowsUtf8() {
  return Device().convert && Device().utf8;
}

TerminalKind OutputTerminal() {
  return Device().terminal;
}
