#include "practice/unicode_name.h"

#include <windows.h>

namespace {

// |text| (UTF-8) in UTF-16; false where it is no UTF-8.
bool Wide(const std::string& text, std::wstring& wide) {
  wide.clear();
  if (text.empty())
    return true;
  int size = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(),
                                 static_cast<int>(text.size()), nullptr, 0);
  if (size <= 0)
    return false;
  wide.resize(static_cast<size_t>(size));
  MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), static_cast<int>(text.size()),
                      &wide[0], size);
  return true;
}

std::string Narrow(const std::wstring& wide) {
  if (wide.empty())
    return std::string();
  int size = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                 nullptr, nullptr);
  std::string text(static_cast<size_t>(size > 0 ? size : 0), '\0');
  if (size > 0)
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), &text[0], size,
                        nullptr, nullptr);
  return text;
}

// |wide| in normalisation form |form|; |wide| itself where the system cannot.
std::wstring Normalized(const std::wstring& wide, NORM_FORM form) {
  if (wide.empty())
    return wide;
  int size = NormalizeString(form, wide.data(), static_cast<int>(wide.size()), nullptr, 0);
  for (int tries = 0; size > 0 && tries < 3; ++tries) {
    std::wstring result(static_cast<size_t>(size), L'\0');
    size = NormalizeString(form, wide.data(), static_cast<int>(wide.size()), &result[0], size);
    if (size > 0) {
      result.resize(static_cast<size_t>(size));
      return result;
    }
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER)
      break;
    size = -size;  // the estimate the system gives back
  }
  return wide;
}

}  // namespace

std::string ComposedName(const std::string& name) {
  std::wstring wide;
  if (!Wide(name, wide))
    return name;
  return Narrow(Normalized(wide, NormalizationC));
}

bool SameName(const std::string& a, const std::string& b) {
  std::wstring wide_a, wide_b;
  if (!Wide(a, wide_a) || !Wide(b, wide_b))
    return a == b;
  wide_a = Normalized(wide_a, NormalizationC);
  wide_b = Normalized(wide_b, NormalizationC);
  if (wide_a.empty() || wide_b.empty())
    return wide_a.empty() && wide_b.empty();
  return CompareStringOrdinal(wide_a.data(), static_cast<int>(wide_a.size()), wide_b.data(),
                              static_cast<int>(wide_b.size()), TRUE) == CSTR_EQUAL;
}

std::string PlainName(const std::string& name) {
  std::wstring wide;
  if (!Wide(name, wide))
    return name;
  std::wstring plain;
  for (wchar_t c : Normalized(wide, NormalizationD)) {
    if (c >= 0x300 && c <= 0x36F)  // a combining accent
      continue;
    plain += c == 0x141 || c == 0x142 ? L'l' : c;  // Ł, ł: no accent to drop
  }
  if (!plain.empty())
    CharLowerBuffW(&plain[0], static_cast<DWORD>(plain.size()));
  return Narrow(plain);
}
