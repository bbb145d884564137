#include "store/state_file.h"

#include <windows.h>

#include <cstdlib>

namespace {

// Paths are kept as UTF-8 inside and handed to the system as UTF-16, so that a user name
// outside the ANSI code page still gives a path that works.
std::wstring Wide(const std::string& text) {
  int size =
      MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(size), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &wide[0], size);
  return wide;
}

std::string Utf8(const std::wstring& wide) {
  int size = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                 nullptr, nullptr);
  std::string text(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), &text[0], size,
                      nullptr, nullptr);
  return text;
}

// The directory part of |path|: everything before its last separator.
std::string DirectoryOf(const std::string& path) {
  size_t last = path.find_last_of("\\/");
  return last == std::string::npos ? std::string() : path.substr(0, last);
}

// Makes directory |directory| and each missing parent. A part that cannot be made (a drive, a
// network share's name) is passed over; what counts is that the whole directory is there.
bool MakeDirectories(const std::string& directory) {
  if (directory.empty())
    return false;
  std::wstring dir = Wide(directory);
  for (size_t sep = dir.find_first_of(L"\\/");; sep = dir.find_first_of(L"\\/", sep + 1)) {
    CreateDirectoryW(dir.substr(0, sep).c_str(), nullptr);
    if (sep == std::wstring::npos)
      break;
  }
  DWORD attributes = GetFileAttributesW(dir.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

std::string StateFilePath(const std::string& name) {
  const wchar_t* local = _wgetenv(L"LOCALAPPDATA");
  if (!local || !*local)
    return std::string();
  return Utf8(local) + "\\tabliczka\\" + name;
}

FileRead ReadStateFile(const std::string& path, std::string& text) {
  text.clear();
  HANDLE file = CreateFileW(Wide(path).c_str(), GENERIC_READ,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? FileRead::kMissing
                                                                          : FileRead::kUnreadable;
  }
  char buffer[4096];
  DWORD got = 0;
  bool ok;
  while ((ok = ReadFile(file, buffer, sizeof buffer, &got, nullptr)) && got > 0) {
    text.append(buffer, got);
    if (text.size() > kLargestStateFile) {
      ok = false;
      break;
    }
  }
  CloseHandle(file);
  return ok ? FileRead::kRead : FileRead::kUnreadable;
}

bool LockStateFile(const std::string& path, StateLock& lock) {
  if (!MakeDirectories(DirectoryOf(path)))
    return false;
  HANDLE file = CreateFileW(Wide(path + ".lock").c_str(), GENERIC_READ | GENERIC_WRITE,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE)
    return false;
  // Waits for a holder in another program; the system lets the lock go when a program ends.
  OVERLAPPED start = {};
  if (!LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK, 0, 1, 0, &start)) {
    CloseHandle(file);
    return false;
  }
  lock.handle = reinterpret_cast<intptr_t>(file);
  return true;
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

bool SetStateFileAside(const std::string& path) {
  return MoveFileExW(Wide(path).c_str(), Wide(path + ".bad").c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}
