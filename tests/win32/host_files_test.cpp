// The Windows host's own files and sizes, checked under Wine: the data files a program carries
// (found by name, standing for a missing file beside the program only, giving way to a copy on
// disk, written out for another program to open), and what the dialog draws by hand scaled to
// the display. Run from a folder of its own, where it writes beside itself. Prints each fault and
// exits with their number. With the argument "monitors" it prints the monitors' rectangles
// instead, for a test that knows the display's monitors.
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "base/whole_file.h"
#include "base/win32/embedded_file.h"
#include "base/win32/wide_text.h"
#include "config/win32/colours_page_win32.h"
#include "shell/win32/monitor_areas.h"
#include "config/win32/display_scale.h"

namespace {

int faults = 0;

void Check(bool ok, const std::string& what) {
  if (ok) return;
  ++faults;
  std::printf("FAULT: %s\n", what.c_str());
}

constexpr std::string_view kCarried = "(;GM[1]FF[4]SZ[9]C[carried inside the test program])";

std::string ProgramFolder() {
  wchar_t path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  const std::string utf8 = tenukiro::Utf8FromWide(std::wstring_view(path, length));
  return utf8.substr(0, utf8.find_last_of('\\') + 1);
}

std::string Read(const std::string& path) {
  tenukiro::WholeFile file;
  if (!tenukiro::ReadRegularFile(path, file)) return "(unreadable)";
  return std::string(file.bytes.get(), file.size);
}

void CheckEmbeddedFiles() {
  using tenukiro::EmbeddedCopyOf;
  using tenukiro::EmbeddedFile;
  Check(EmbeddedFile("Tenukiro.sgf") == kCarried, "the carried record by its name");
  Check(EmbeddedFile("TENUKIRO.SGF") == kCarried, "names are found whatever their case");
  Check(EmbeddedFile("Tenukeng.html").empty() && EmbeddedFile("").empty(), "a name not carried gives nothing");

  const std::string folder = ProgramFolder();
  std::string slashed = folder;
  for (char& c : slashed) c = c == '\\' ? '/' : c;
  struct Case {
    std::string path;
    bool carried;
  };
  const Case cases[] = {{folder + "Tenukiro.sgf", true},         {slashed + "tenukiro.sgf", true},
                        {folder + "sub\\Tenukiro.sgf", false},   {"C:\\elsewhere\\Tenukiro.sgf", false},
                        {"Tenukiro.sgf", false},                 {folder + "Other.sgf", false}};
  for (const Case& c : cases) {
    Check((EmbeddedCopyOf(c.path) == kCarried) == c.carried, "stands for the carried copy: " + c.path);
    Check((Read(c.path) == kCarried) == c.carried, "reads as the carried copy: " + c.path);
  }

  // A copy on disk comes first; once it is gone the carried one is read again.
  const std::string beside = folder + "Tenukiro.sgf";
  std::ofstream(tenukiro::WideFromUtf8(beside).c_str(), std::ios::binary) << "(;GM[1]C[on disk])";
  Check(Read(beside) == "(;GM[1]C[on disk])", "the copy on disk is read first");
  Check(tenukiro::FileOnDisk(beside) == beside, "a file on disk is opened where it is");
  DeleteFileW(tenukiro::WideFromUtf8(beside).c_str());
  Check(Read(beside) == kCarried, "without the copy on disk the carried one is read");

  const std::string written = tenukiro::FileOnDisk(beside);
  Check(written != beside && written.ends_with("\\Tenukiro\\Tenukiro.sgf"), "written to the temporary folder: " + written);
  Check(Read(written) == kCarried, "the written copy holds the carried bytes");
  const std::string missing = folder + "Missing.html";
  Check(tenukiro::FileOnDisk(missing) == missing, "a file neither on disk nor carried keeps its path");
}

void CheckScaling() {
  using tenukiro::ScaledPixels;
  struct Case {
    int pixels, dpi, scaled;
  };
  const Case cases[] = {{1, 96, 1}, {5, 96, 5}, {1, 120, 1}, {1, 144, 2}, {3, 144, 5},
                        {5, 144, 8}, {5, 192, 10}, {2, 168, 4}, {0, 192, 0}, {-3, 144, -5}};
  for (const Case& c : cases) {
    Check(ScaledPixels(c.pixels, c.dpi) == c.scaled,
          std::to_string(c.pixels) + " pixels at " + std::to_string(c.dpi) + " DPI");
  }

  // At 100 % the colour button keeps the margins it was drawn with; at 150 % and 200 % they grow
  // with the button, and every part stays inside it, the caption above the bar.
  struct ButtonCase {
    RECT button;
    int dpi;
    RECT caption, bar, focus;
    int outline;
  };
  const ButtonCase buttons[] = {
      {{10, 20, 110, 44}, 96, {12, 21, 108, 35}, {15, 35, 105, 41}, {13, 23, 107, 41}, 1},
      {{15, 30, 165, 66}, 144, {18, 32, 162, 52}, {23, 52, 157, 61}, {20, 35, 160, 61}, 2},
      {{20, 40, 220, 88}, 192, {24, 42, 216, 70}, {30, 70, 210, 82}, {26, 46, 214, 82}, 2},
  };
  const auto same = [](const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
  };
  for (const ButtonCase& c : buttons) {
    const tenukiro::ColourButtonLayout layout = tenukiro::LayOutColourButton(c.button, c.dpi);
    const std::string at = " at " + std::to_string(c.dpi) + " DPI";
    Check(same(layout.caption, c.caption), "the caption" + at);
    Check(same(layout.bar, c.bar), "the colour bar" + at);
    Check(same(layout.focus, c.focus), "the focus mark" + at);
    Check(layout.outline == c.outline, "the bar's outline" + at);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::string(argv[1]) == "monitors") {
    for (const RECT& area : tenukiro::MonitorAreas()) {
      std::printf("%ldx%ld+%ld+%ld\n", area.right - area.left, area.bottom - area.top, area.left, area.top);
    }
    return 0;
  }
  CheckEmbeddedFiles();
  CheckScaling();
  if (faults == 0) std::printf("host files and scaling: all checks passed\n");
  return faults;
}
