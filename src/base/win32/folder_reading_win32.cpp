#include "base/folder_reading.h"

#include <windows.h>

#include "base/win32/wide_text.h"

namespace tenukiro {

struct FolderReading {
  HANDLE find;
  WIN32_FIND_DATAW data;
  bool pending;  // the search's first entry has not been handed out yet
};

FileKind KindOf(const std::string& path) {
  const DWORD attributes = GetFileAttributesW(WideFromUtf8(path).c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return {};
  const bool folder = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  return {folder, !folder && (attributes & FILE_ATTRIBUTE_DEVICE) == 0};
}

void FolderReadingCloser::operator()(FolderReading* folder) const {
  if (folder->find != INVALID_HANDLE_VALUE) FindClose(folder->find);
  delete folder;
}

// The identity is the volume's serial number and the folder's file index, as the system keeps them.
OpenedFolder OpenFolder(const std::string& path, FolderIdentity& identity) {
  const std::wstring wide = WideFromUtf8(path);
  HANDLE handle = CreateFileW(wide.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return nullptr;
  BY_HANDLE_FILE_INFORMATION information{};
  const bool known = GetFileInformationByHandle(handle, &information);
  CloseHandle(handle);
  if (!known || (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) return nullptr;
  identity = {information.dwVolumeSerialNumber,
              (std::uint64_t{information.nFileIndexHigh} << 32) | information.nFileIndexLow};
  OpenedFolder folder(new FolderReading{INVALID_HANDLE_VALUE, {}, true});
  const wchar_t last = wide.empty() ? L'\\' : wide.back();
  const std::wstring pattern = wide + (last == L'\\' || last == L'/' ? L"*" : L"\\*");
  folder->find = FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &folder->data, FindExSearchNameMatch, nullptr, 0);
  // An empty listing still opens: even an empty folder lists "." and "..", except a drive's root.
  if (folder->find == INVALID_HANDLE_VALUE) folder->pending = false;
  return folder;
}

bool NextFolderEntry(FolderReading& folder, FolderEntry& entry) {
  for (;;) {
    if (folder.find == INVALID_HANDLE_VALUE) return false;
    if (!folder.pending && !FindNextFileW(folder.find, &folder.data)) return false;
    folder.pending = false;
    const std::wstring_view name = folder.data.cFileName;
    if (name == L"." || name == L"..") continue;
    entry.name = Utf8FromWide(name);
    const DWORD attributes = folder.data.dwFileAttributes;
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) {
      entry.kind.reset();
    } else {
      const bool isFolder = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
      entry.kind = FileKind{isFolder, !isFolder && (attributes & FILE_ATTRIBUTE_DEVICE) == 0};
    }
    return true;
  }
}

}  // namespace tenukiro
