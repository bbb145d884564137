#include "store/state_file.h"

namespace {

// The first name |path| ".N.bad" with nothing there yet; empty when a thousand are taken.
std::string FreeAsideName(const std::string& path) {
  for (int n = 1; n <= 1000; ++n) {
    std::string name = path + "." + std::to_string(n) + ".bad";
    if (!StatePathTaken(name))
      return name;
  }
  return std::string();
}

}  // namespace

bool SetStateFileAside(const std::string& path) {
  std::string aside = FreeAsideName(path);
  return !aside.empty() && RenameStatePath(path, aside);
}

bool KeepCopyAside(const std::string& path, const std::string& text) {
  std::string aside = FreeAsideName(path);
  return !aside.empty() && ReplaceStateFile(aside, text);
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
  StateLock lock;
  if (!MakeUserFolder(folder) || !LockStateFile(path, lock))
    return false;
  // Another program may have carried it, or begun a new file, while this one waited.
  if (!StatePathTaken(path) && !ReplaceStateFile(path, text))
    return false;
  return RenameStatePath(old_path, old_path + ".moved");
}
