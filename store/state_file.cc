#include "store/state_file.h"

#include <algorithm>

namespace {

// The folder part of |path| and the name after it, split at its last separator.
void SplitPath(const std::string& path, std::string& folder, std::string& name) {
  size_t separator = path.find_last_of("/\\");
  folder = separator == std::string::npos ? "." : path.substr(0, separator);
  name = separator == std::string::npos ? path : path.substr(separator + 1);
}

// The numbers N of the copies |name| ".N.bad" in |names|.
std::vector<long> AsideNumbers(const std::vector<std::string>& names, const std::string& name) {
  std::vector<long> numbers;
  for (const std::string& other : names) {
    const std::string suffix = ".bad";
    if (other.size() <= name.size() + 1 + suffix.size() || other.compare(0, name.size(), name) ||
        other[name.size()] != '.' ||
        other.compare(other.size() - suffix.size(), suffix.size(), suffix))
      continue;
    std::string digits =
        other.substr(name.size() + 1, other.size() - name.size() - 1 - suffix.size());
    if (!digits.empty() && digits.size() <= 9 && digits[0] != '0' &&
        digits.find_first_not_of("0123456789") == std::string::npos)
      numbers.push_back(std::stol(digits));
  }
  std::sort(numbers.begin(), numbers.end());
  return numbers;
}

}  // namespace

bool SetStateFileAside(const std::string& path, int& dropped) {
  dropped = 0;
  std::string folder, name;
  SplitPath(path, folder, name);
  std::vector<std::string> names;
  FileNamesInFolder(folder, names);
  std::vector<long> numbers = AsideNumbers(names, name);
  long next = numbers.empty() ? 1 : numbers.back() + 1;
  // One more than any there: where the folder could not be listed, the first free number.
  while (StatePathTaken(path + "." + std::to_string(next) + ".bad"))
    ++next;
  if (!RenameStatePath(path, path + "." + std::to_string(next) + ".bad"))
    return false;
  numbers.push_back(next);
  for (size_t i = 0; i + kKeptAside < numbers.size(); ++i)
    dropped += RemoveStateFile(path + "." + std::to_string(numbers[i]) + ".bad");
  return true;
}

bool CarryOver(const UserFolder& old_folder, const UserFolder& folder, const std::string& name) {
  std::string old_path = FileInFolder(old_folder, name);
  std::string path = FileInFolder(folder, name);
  if (old_path.empty() || path.empty() || old_path == path || StatePathTaken(path) ||
      !StatePathTaken(old_path))
    return true;
  std::string text;
  if (ReadStateFile(old_path, text) != FileRead::kRead)
    return false;  // left where it is, for a later run or a person to carry
  // Another program may have carried it, or begun a new file, meanwhile: never written over.
  if (!MakeUserFolder(folder) || (!CreateStateFile(path, text) && !StatePathTaken(path)))
    return false;
  return RenameStatePath(old_path, old_path + ".moved");
}
