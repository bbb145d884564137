#include "practice/unicode_name.h"

#include <utf8proc.h>

#include <cstdlib>

namespace {

// |name| mapped by utf8proc with |options|; |name| itself where it is no UTF-8.
std::string Mapped(const std::string& name, int options) {
  utf8proc_uint8_t* mapped = nullptr;
  utf8proc_ssize_t size = utf8proc_map(reinterpret_cast<const utf8proc_uint8_t*>(name.data()),
                                       static_cast<utf8proc_ssize_t>(name.size()), &mapped,
                                       static_cast<utf8proc_option_t>(UTF8PROC_STABLE | options));
  if (size < 0)
    return name;
  std::string result(reinterpret_cast<const char*>(mapped), static_cast<size_t>(size));
  std::free(mapped);
  return result;
}

}  // namespace

std::string ComposedName(const std::string& name) {
  return Mapped(name, UTF8PROC_COMPOSE);
}

bool SameName(const std::string& a, const std::string& b) {
  return Mapped(a, UTF8PROC_COMPOSE | UTF8PROC_CASEFOLD) ==
         Mapped(b, UTF8PROC_COMPOSE | UTF8PROC_CASEFOLD);
}

std::string PlainName(const std::string& name) {
  std::string plain = Mapped(name, UTF8PROC_DECOMPOSE | UTF8PROC_STRIPMARK | UTF8PROC_CASEFOLD);
  // ł has no accent to drop: it is a letter of its own in Unicode.
  for (size_t at = plain.find("\xC5\x82"); at != std::string::npos; at = plain.find("\xC5\x82"))
    plain.replace(at, 2, "l");
  return plain;
}
