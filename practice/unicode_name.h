// Names as people write them, in any script, compared the way a person reads them: the same
// letters composed or decomposed (a Mac or a web form writes "Ż" as Z and a combining dot) and
// in either case are one name. The system's own Unicode library does the work.
#ifndef PRACTICE_UNICODE_NAME_H_
#define PRACTICE_UNICODE_NAME_H_

#include <string>

/// |name| (UTF-8) in Unicode's composed form, NFC, so that one name always makes one file
/// name. Text that is no UTF-8 comes back as it is.
std::string ComposedName(const std::string& name);

/// True when |a| and |b| (UTF-8) are one name: equal once composed and with case ignored in
/// every script (Unicode case folding; on Windows the system's own ordinal comparison, as its
/// file names are compared).
bool SameName(const std::string& a, const std::string& b);

/// |name| (UTF-8) as a child types it on a keyboard without Polish letters: accents dropped
/// (ł as l too) and every letter in lower case, so that "zol" starts the plain form of "Żółw".
std::string PlainName(const std::string& name);

#endif  // PRACTICE_UNICODE_NAME_H_
