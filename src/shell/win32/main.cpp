#include <windows.h>

#include <shellapi.h>

#include <iostream>
#include <string>
#include <vector>

#include "base/win32/program_path.h"
#include "base/win32/wide_text.h"
#include "shell/saver_app.h"
#include "shell/win32/win32_platform.h"

namespace {

// The folder of a Windows path, ending with its separator; empty without one.
std::string FolderOf(const std::string& path) {
  const size_t separator = path.find_last_of("\\/");
  return separator == std::string::npos ? std::string() : path.substr(0, separator + 1);
}

// The arguments as UTF-8: the narrow ones of the C runtime lose what the ANSI code page lacks.
std::vector<std::string> Arguments() {
  int count = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> arguments;
  for (int i = 0; i < count; ++i) arguments.push_back(tenukiro::Utf8FromWide(wide[i]));
  LocalFree(wide);
  return arguments;
}

}  // namespace

int main() {
  // The program's own path locates the bundled record, patterns and help.
  const std::string path = tenukiro::Utf8FromWide(tenukiro::ProgramPath());
  const std::vector<std::string> arguments = Arguments();
  std::vector<const char*> argv;
  for (const std::string& argument : arguments) argv.push_back(argument.c_str());
  argv.push_back(nullptr);
  tenukiro::Win32Platform platform(FolderOf(path));
  tenukiro::CSaverApp app(platform, {path, FolderOf(path)});
  return app.Run(static_cast<int>(arguments.size()), argv.data(), nullptr, std::cout, std::cerr);
}
