#include "store/state_file.h"

#include <windows.h>
// After windows.h, which it needs.
#include <aclapi.h>

#include <cstdio>
#include <cstdlib>
#include <random>

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

// The user this program runs as, for telling whose a link is; empty where it cannot be known.
std::vector<unsigned char> OwnUser() {
  std::vector<unsigned char> user;
  HANDLE token;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token))
    return user;
  DWORD size = 0;
  GetTokenInformation(token, TokenUser, nullptr, 0, &size);
  user.resize(size);
  if (size == 0 || !GetTokenInformation(token, TokenUser, user.data(), size, &size))
    user.clear();
  CloseHandle(token);
  return user;
}

// True when |path| is a link (a reparse point: a symbolic link or a junction) that another
// account made: never followed, so that nobody can make a program read or write through a link
// planted in a shared folder. One whose owner cannot be told counts as another's.
bool OthersLink(const std::string& path) {
  DWORD attributes = GetFileAttributesW(Wide(path).c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_REPARSE_POINT))
    return false;
  HANDLE link = CreateFileW(Wide(path).c_str(), READ_CONTROL,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS,
                            nullptr);
  if (link == INVALID_HANDLE_VALUE)
    return true;
  PSID owner = nullptr;
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  bool others = true;
  std::vector<unsigned char> user = OwnUser();
  if (GetSecurityInfo(link, SE_FILE_OBJECT, OWNER_SECURITY_INFORMATION, &owner, nullptr, nullptr,
                      nullptr, &descriptor) == ERROR_SUCCESS &&
      !user.empty())
    others = !EqualSid(owner, reinterpret_cast<TOKEN_USER*>(user.data())->User.Sid);
  if (descriptor)
    LocalFree(descriptor);
  CloseHandle(link);
  return others;
}

// Seconds since 1970-01-01 UTC of a file time (100-nanosecond steps since 1601).
int64_t UnixSeconds(FILETIME time) {
  ULARGE_INTEGER steps;
  steps.LowPart = time.dwLowDateTime;
  steps.HighPart = time.dwHighDateTime;
  return static_cast<int64_t>(steps.QuadPart / 10000000ULL) - 11644473600LL;
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

FileRead ReadStateFile(const std::string& path, std::string& text, size_t largest) {
  text.clear();
  if (OthersLink(path))
    return FileRead::kOthersLink;
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
      size.QuadPart > static_cast<LONGLONG>(largest)) {
    CloseHandle(file);
    return FileRead::kNotAFile;
  }
  char buffer[4096];
  DWORD got = 0;
  bool ok;
  while ((ok = ReadFile(file, buffer, sizeof buffer, &got, nullptr)) && got > 0) {
    text.append(buffer, got);
    if (text.size() > largest) {
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
  if (OthersLink(path))
    return FileRead::kOthersLink;
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

bool StateFileTime(const std::string& path, int64_t& seconds) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (OthersLink(path) || !GetFileAttributesExW(Wide(path).c_str(), GetFileExInfoStandard, &data))
    return false;
  seconds = UnixSeconds(data.ftLastWriteTime);
  return true;
}

bool AppendToStateFile(const std::string& path, const std::string& first,
                       const std::string& text) {
  // Made afresh where missing, so that |first| opens it; a link in its place is opened itself,
  // never followed, and refused. Others may read it, and remove it, while it is open.
  const DWORD share = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
  bool made = true;
  HANDLE file = CreateFileW(Wide(path).c_str(), FILE_APPEND_DATA, share, nullptr, CREATE_NEW,
                            FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
  if (file == INVALID_HANDLE_VALUE && GetLastError() == ERROR_FILE_EXISTS) {
    made = false;
    file = CreateFileW(Wide(path).c_str(), FILE_APPEND_DATA, share, nullptr, OPEN_EXISTING,
                       FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
  }
  if (file == INVALID_HANDLE_VALUE)
    return false;
  BY_HANDLE_FILE_INFORMATION info;
  std::string all = made ? first + text : text;
  DWORD written = 0;
  bool ok = GetFileType(file) == FILE_TYPE_DISK && GetFileInformationByHandle(file, &info) &&
            !(info.dwFileAttributes & (FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DIRECTORY)) &&
            WriteFile(file, all.data(), static_cast<DWORD>(all.size()), &written, nullptr) &&
            written == all.size() && FlushFileBuffers(file);
  return CloseHandle(file) && ok;
}

bool CreateStateFile(const std::string& path, const std::string& text) {
  std::wstring fresh = Wide(path + "." + RunName() + ".new");
  HANDLE file = CreateFileW(fresh.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE)
    return false;
  DWORD written = 0;
  bool ok = WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
            written == text.size() && FlushFileBuffers(file);
  ok = CloseHandle(file) && ok;
  // Without MOVEFILE_REPLACE_EXISTING: never over a file that stands there.
  if (!ok || !MoveFileExW(fresh.c_str(), Wide(path).c_str(), MOVEFILE_WRITE_THROUGH)) {
    DeleteFileW(fresh.c_str());
    return false;
  }
  return true;
}

bool RemoveStateFile(const std::string& path) {
  return DeleteFileW(Wide(path).c_str()) != 0;
}

std::string OwnLinkTarget(const std::string& path) {
  // The system follows a link itself where a file is opened: the logs stay beside it.
  return path;
}

std::string RunName() {
  wchar_t host[MAX_COMPUTERNAME_LENGTH + 1] = L"";
  DWORD length = MAX_COMPUTERNAME_LENGTH + 1;
  GetComputerNameW(host, &length);
  std::string name;
  for (const wchar_t* c = host; *c && name.size() < 32; ++c) {
    bool plain = (*c >= L'a' && *c <= L'z') || (*c >= L'A' && *c <= L'Z') ||
                 (*c >= L'0' && *c <= L'9');
    name += plain ? static_cast<char>(*c) : '-';
  }
  LARGE_INTEGER counter;
  QueryPerformanceCounter(&counter);
  std::random_device device;
  uint64_t random = (uint64_t{device()} << 32) ^ device() ^
                    static_cast<uint64_t>(counter.QuadPart) * 0x9E3779B97F4A7C15ULL;
  char rest[64];
  std::snprintf(rest, sizeof rest, "-%lu-%016llx", static_cast<unsigned long>(GetCurrentProcessId()),
                static_cast<unsigned long long>(random));
  return name + rest;
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
