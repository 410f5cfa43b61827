#include "base/win32/embedded_file.h"

#include <windows.h>

#include "base/win32/program_path.h"
#include "base/win32/wide_text.h"

namespace tenukiro {
namespace {

// Where a path's file name starts: after its last separator.
size_t NameStart(std::string_view path) {
  const size_t separator = path.find_last_of("\\/");
  return separator == std::string_view::npos ? 0 : separator + 1;
}

std::wstring ProgramFolder() {
  const std::wstring path = ProgramPath();
  return path.substr(0, path.find_last_of(L"\\/") + 1);
}

// Folder names compare as the file system does: without regard to case, either separator.
bool SameFolder(std::wstring a, std::wstring b) {
  for (std::wstring* folder : {&a, &b}) {
    for (wchar_t& c : *folder) {
      if (c == L'/') c = L'\\';
    }
  }
  return !a.empty() && CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(),
                                            static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

bool IsFile(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool WriteWholeFile(const std::wstring& path, std::string_view bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                  written == bytes.size();
  CloseHandle(file);
  return ok;
}

}  // namespace

std::string_view EmbeddedFile(std::string_view name) {
  if (name.empty()) return {};
  HMODULE program = GetModuleHandleW(nullptr);
  // Resource names are looked up without regard to case.
  HRSRC resource = FindResourceW(program, WideFromUtf8(name).c_str(), MAKEINTRESOURCEW(10));  // RT_RCDATA
  if (resource == nullptr) return {};
  HGLOBAL loaded = LoadResource(program, resource);
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  if (bytes == nullptr) return {};
  return std::string_view(static_cast<const char*>(bytes), SizeofResource(program, resource));
}

std::string_view EmbeddedCopyOf(const std::string& path) {
  const size_t nameStart = NameStart(path);
  if (!SameFolder(WideFromUtf8(std::string_view(path).substr(0, nameStart)), ProgramFolder())) return {};
  return EmbeddedFile(std::string_view(path).substr(nameStart));
}

std::string FileOnDisk(const std::string& path) {
  if (IsFile(WideFromUtf8(path))) return path;
  const std::string_view bytes = EmbeddedCopyOf(path);
  if (bytes.empty()) return path;
  wchar_t temporary[MAX_PATH + 1] = {};
  const DWORD length = GetTempPathW(MAX_PATH + 1, temporary);
  if (length == 0 || length > MAX_PATH) return path;
  const std::wstring folder = std::wstring(temporary, length) + L"Tenukiro\\";
  CreateDirectoryW(folder.c_str(), nullptr);
  const std::wstring copy = folder + WideFromUtf8(std::string_view(path).substr(NameStart(path)));
  return WriteWholeFile(copy, bytes) ? Utf8FromWide(copy) : path;
}

}  // namespace tenukiro
