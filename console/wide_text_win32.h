// Text between the UTF-8 kept inside and the UTF-16 Windows' own calls take and give.
#ifndef CONSOLE_WIDE_TEXT_WIN32_H_
#define CONSOLE_WIDE_TEXT_WIN32_H_

#include <string>

/// |text|, UTF-8, as UTF-16; bytes that are not UTF-8 become U+FFFD.
std::wstring WideOfUtf8(const std::string& text);

/// |wide|, UTF-16, as UTF-8; a lone surrogate becomes U+FFFD.
std::string Utf8OfWide(const std::wstring& wide);

#endif  // CONSOLE_WIDE_TEXT_WIN32_H_
