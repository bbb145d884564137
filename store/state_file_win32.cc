#include "store/state_file.h"

#include <windows.h>

#include <cstdlib>

#include "console/wide_text_win32.h"

namespace {

// Paths are kept as UTF-8 inside and handed to the system as UTF-16, so that a user name
// outside the ANSI code page still gives a path that works.
std::wstring Wide(const std::string& text) {
  return WideOfUtf8(text);
}

std::string Utf8(const std::wstring& wide) {
  return Utf8OfWide(wide);
}

bool IsDirectory(const std::string& path) {
  DWORD attributes = GetFileAttributesW(Wide(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The folder "tabliczka" in the folder named by environment variable |variable|.
UserFolder FolderIn(const wchar_t* variable) {
  const wchar_t* base = _wgetenv(variable);
  if (!base || !*base)
    return UserFolder{};
  return UserFolder{Utf8(base), Utf8(base) + "\\tabliczka"};
}

// The identity of the file open as |file|: its volume and its index there.
bool FileIdentity(HANDLE file, BY_HANDLE_FILE_INFORMATION& info) {
  return GetFileInformationByHandle(file, &info) != 0;
}

// True when |file| is still the file at |path|: not deleted, nor replaced by another.
bool StillThere(HANDLE file, const std::string& path) {
  HANDLE there =
      CreateFileW(Wide(path).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                  nullptr, OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
  if (there == INVALID_HANDLE_VALUE)
    return false;
  BY_HANDLE_FILE_INFORMATION held, found;
  bool same = FileIdentity(file, held) && FileIdentity(there, found) &&
              held.dwVolumeSerialNumber == found.dwVolumeSerialNumber &&
              held.nFileIndexHigh == found.nFileIndexHigh &&
              held.nFileIndexLow == found.nFileIndexLow;
  CloseHandle(there);
  return same;
}

}  // namespace

UserFolder DataFolder() {
  return FolderIn(L"APPDATA");
}

UserFolder NamedFolder() {
  const wchar_t* dir = _wgetenv(L"TABLICZKA_DIR");
  // Absolute: a drive and a separator (C:\klasa), or a share (\\serwer\klasa).
  bool absolute =
      dir && ((dir[0] && dir[1] == L':' && (dir[2] == L'\\' || dir[2] == L'/')) ||
              ((dir[0] == L'\\' || dir[0] == L'/') && (dir[1] == L'\\' || dir[1] == L'/')));
  if (!absolute)
    return UserFolder{};
  return UserFolder{Utf8(dir), Utf8(dir)};
}

UserFolder OldStateFolder() {
  return FolderIn(L"LOCALAPPDATA");
}

std::string FileInFolder(const UserFolder& folder, const std::string& name) {
  return folder.path.empty() ? std::string() : folder.path + "\\" + name;
}

bool MakeUserFolder(const UserFolder& folder) {
  if (folder.path.empty() || !IsDirectory(folder.base))
    return false;
  CreateDirectoryW(Wide(folder.path).c_str(), nullptr);
  return IsDirectory(folder.path);
}

bool FileNamesInFolder(const std::string& path, std::vector<std::string>& names) {
  names.clear();
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW(Wide(path + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE)
    return false;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
      names.push_back(Utf8(found.cFileName));
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return true;
}

FileRead ReadStateFile(const std::string& path, std::string& text) {
  text.clear();
  HANDLE file = CreateFileW(Wide(path).c_str(), GENERIC_READ,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
      return FileRead::kMissing;
    return IsDirectory(path) ? FileRead::kNotAFile : FileRead::kUnreadable;
  }
  LARGE_INTEGER size;
  if (GetFileType(file) != FILE_TYPE_DISK || !GetFileSizeEx(file, &size) ||
      size.QuadPart > static_cast<LONGLONG>(kLargestStateFile)) {
    CloseHandle(file);
    return FileRead::kNotAFile;
  }
  char buffer[4096];
  DWORD got = 0;
  bool ok;
  while ((ok = ReadFile(file, buffer, sizeof buffer, &got, nullptr)) && got > 0) {
    text.append(buffer, got);
    if (text.size() > kLargestStateFile) {
      CloseHandle(file);
      return FileRead::kNotAFile;
    }
  }
  CloseHandle(file);
  return ok ? FileRead::kRead : FileRead::kUnreadable;
}

FileRead ReadFileStart(const std::string& path, size_t limit, std::string& text, bool& whole) {
  text.clear();
  whole = true;
  HANDLE file = CreateFileW(Wide(path).c_str(), GENERIC_READ,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
      return FileRead::kMissing;
    // A spreadsheet that has the file open shares it with no one: a sharing violation.
    return IsDirectory(path) ? FileRead::kNotAFile : FileRead::kUnreadable;
  }
  if (GetFileType(file) != FILE_TYPE_DISK) {
    CloseHandle(file);
    return FileRead::kNotAFile;
  }
  char buffer[4096];
  DWORD got = 0;
  bool ok = true;
  while (text.size() <= limit && (ok = ReadFile(file, buffer, sizeof buffer, &got, nullptr)) &&
         got > 0)
    text.append(buffer, got);
  CloseHandle(file);
  if (!ok)
    return FileRead::kUnreadable;
  if (text.size() > limit) {
    text.resize(limit);
    whole = false;
  }
  return FileRead::kRead;
}

bool LockStateFile(const std::string& path, StateLock& lock) {
  std::string lock_path = path + ".lock";
  // A lock file deleted or replaced while this program waited for it locks nothing: taken
  // anew then, a few times at most.
  for (int tries = 0; tries < 100; ++tries) {
    // A reparse point (a link) in the lock file's place is opened itself, never followed.
    HANDLE file = CreateFileW(Wide(lock_path).c_str(), GENERIC_READ | GENERIC_WRITE,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_ALWAYS, FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (file == INVALID_HANDLE_VALUE)
      return false;
    // Waits for a holder in another program; the system lets the lock go when a program ends.
    OVERLAPPED start = {};
    if (!LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK, 0, 1, 0, &start)) {
      CloseHandle(file);
      return false;
    }
    if (StillThere(file, lock_path)) {
      lock.handle = reinterpret_cast<intptr_t>(file);
      return true;
    }
    CloseHandle(file);
  }
  return false;
}

void UnlockStateFile(StateLock& lock) {
  if (lock.handle != -1)
    CloseHandle(reinterpret_cast<HANDLE>(lock.handle));
  lock.handle = -1;
}

bool ReplaceStateFile(const std::string& path, const std::string& text) {
  std::wstring fresh = Wide(path + ".new");
  DeleteFileW(fresh.c_str());  // made afresh, never written through what is left there
  HANDLE file = CreateFileW(fresh.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE)
    return false;
  DWORD written = 0;
  bool ok = WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
            written == text.size() && FlushFileBuffers(file);
  ok = CloseHandle(file) && ok;
  if (!ok || !MoveFileExW(fresh.c_str(), Wide(path).c_str(),
                          MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    DeleteFileW(fresh.c_str());
    return false;
  }
  return true;
}

bool StatePathTaken(const std::string& path) {
  if (GetFileAttributesW(Wide(path).c_str()) != INVALID_FILE_ATTRIBUTES)
    return true;
  DWORD error = GetLastError();
  return error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND;
}

bool RenameStatePath(const std::string& from, const std::string& to) {
  // A folder cannot be moved with MOVEFILE_REPLACE_EXISTING; where nothing is in the way, it
  // needs none.
  return MoveFileExW(Wide(from).c_str(), Wide(to).c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) ||
         MoveFileExW(Wide(from).c_str(), Wide(to).c_str(), MOVEFILE_WRITE_THROUGH);
}
