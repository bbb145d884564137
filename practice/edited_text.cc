#include "practice/edited_text.h"

namespace {

// Windows-1250 from 0x80 up, as Unicode; the five bytes it leaves out as U+FFFD.
constexpr uint16_t kWindows1250[128] = {
    0x20AC, 0xFFFD, 0x201A, 0xFFFD, 0x201E, 0x2026, 0x2020, 0x2021, 0xFFFD, 0x2030, 0x0160, 0x2039,
    0x015A, 0x0164, 0x017D, 0x0179, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0xFFFD, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, 0x00A0, 0x02C7, 0x02D8, 0x0141,
    0x00A4, 0x0104, 0x00A6, 0x00A7, 0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x0105, 0x015F, 0x00BB,
    0x013D, 0x02DD, 0x013E, 0x017C, 0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E, 0x0110, 0x0143, 0x0147, 0x00D3,
    0x00D4, 0x0150, 0x00D6, 0x00D7, 0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7, 0x010D, 0x00E9, 0x0119, 0x00EB,
    0x011B, 0x00ED, 0x00EE, 0x010F, 0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9};

// UTF-16 from |bytes| after its two-byte mark, |big| for big-endian, as UTF-8; a lone
// surrogate as U+FFFD.
std::string Utf16AsUtf8(const std::string& bytes, bool big) {
  auto unit = [&](size_t at) {
    unsigned char first = static_cast<unsigned char>(bytes[at]);
    unsigned char second = static_cast<unsigned char>(bytes[at + 1]);
    return big ? (first << 8 | second) : (second << 8 | first);
  };
  std::string text;
  for (size_t at = 2; at + 1 < bytes.size(); at += 2) {
    int32_t code = unit(at);
    if (code >= 0xD800 && code <= 0xDBFF && at + 3 < bytes.size() && unit(at + 2) >= 0xDC00 &&
        unit(at + 2) <= 0xDFFF) {
      code = 0x10000 + ((code - 0xD800) << 10) + (unit(at + 2) - 0xDC00);
      at += 2;
    } else if (code >= 0xD800 && code <= 0xDFFF) {
      code = 0xFFFD;
    }
    AppendUtf8(text, code);
  }
  return text;
}

}  // namespace

std::vector<EditedLine> NumberedLines(const std::string& text) {
  std::vector<EditedLine> lines;
  size_t start = text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
  for (int32_t number = 1; start < text.size(); ++number) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos)
      end = text.size();
    std::string line = text.substr(start, end - start);
    start = end + 1;
    line.erase(line.find_last_not_of(" \t\r") + 1);
    line.erase(0, line.find_first_not_of(" \t\r"));
    if (!line.empty() && line[0] != '#')
      lines.push_back(EditedLine{number, line});
  }
  return lines;
}

std::vector<std::string> MeaningfulLines(const std::string& text) {
  std::vector<std::string> lines;
  for (EditedLine& line : NumberedLines(text))
    lines.push_back(std::move(line.text));
  return lines;
}

std::string TextAsUtf8(const std::string& bytes) {
  if (bytes.compare(0, 2, "\xFF\xFE") == 0)
    return Utf16AsUtf8(bytes, false);
  if (bytes.compare(0, 2, "\xFE\xFF") == 0)
    return Utf16AsUtf8(bytes, true);
  if (IsUtf8(bytes))
    return bytes;
  std::string text;
  for (char byte : bytes) {
    unsigned char code = static_cast<unsigned char>(byte);
    AppendUtf8(text, code < 0x80 ? code : kWindows1250[code - 0x80]);
  }
  return text;
}

bool IsUtf8(const std::string& text) {
  for (size_t at = 0; at < text.size();) {
    unsigned char lead = static_cast<unsigned char>(text[at++]);
    if (lead < 0x80)
      continue;
    size_t length = lead >= 0xF0 && lead <= 0xF4  ? 4
                    : lead >= 0xE0 && lead < 0xF0 ? 3
                    : lead >= 0xC2 && lead < 0xE0 ? 2
                                                  : 0;
    if (length == 0 || at + length - 1 > text.size())
      return false;
    int32_t code = lead & (0x7F >> length);
    for (size_t k = 1; k < length; ++k) {
      unsigned char next = static_cast<unsigned char>(text[at++]);
      if ((next & 0xC0) != 0x80)
        return false;
      code = (code << 6) | (next & 0x3F);
    }
    static const int32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < kSmallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
      return false;
  }
  return true;
}

void AppendUtf8(std::string& text, int32_t code) {
  if (code < 0x80) {
    text += static_cast<char>(code);
  } else if (code < 0x800) {
    text += static_cast<char>(0xC0 | (code >> 6));
    text += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    text += static_cast<char>(0xE0 | (code >> 12));
    text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    text += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    text += static_cast<char>(0xF0 | (code >> 18));
    text += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    text += static_cast<char>(0x80 | (code & 0x3F));
  }
}

std::vector<std::string> WordsOf(const std::string& line) {
  std::vector<std::string> words;
  size_t at = 0;
  while (at < line.size()) {
    size_t start = line.find_first_not_of(" \t", at);
    if (start == std::string::npos)
      break;
    at = line.find_first_of(" \t", start);
    if (at == std::string::npos)
      at = line.size();
    words.push_back(line.substr(start, at - start));
  }
  return words;
}
