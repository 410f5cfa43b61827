// The Windows platform files, checked under Wine: paths, record charsets through the system's code
// pages, files and folders under wide names, the registry profile, GDI fonts and WGL spheres.
// Prints one line per failed check and exits with the number of failures. The registry values it
// writes stay for the calling script to read back with "reg query".
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "base/charset_detection.h"
#include "base/data_files.h"
#include "base/file_path.h"
#include "base/folder_reading.h"
#include "base/mapped_file.h"
#include "base/path_kind.h"
#include "base/whole_file.h"
#include "render/font.h"
#include "text/text_encoding.h"
#include "settings/win32/registry_profile.h"
#include "sphere/gl_sphere_renderer.h"

namespace {

int failures = 0;

void Check(bool ok, const std::string& what) {
  if (ok) return;
  ++failures;
  std::printf("FAILED: %s\n", what.c_str());
}

void CheckPaths() {
  struct Case {
    const char* path;
    bool absolute;
  };
  const Case cases[] = {{"C:\\records", true}, {"c:/records", true},     {"\\\\server\\share\\a.sgf", true},
                        {"\\records", true},   {"C:records", false},      {"records\\a.sgf", false},
                        {"", false},           {"1:\\x", false},          {"/tmp/a.sgf", true}};
  for (const Case& c : cases) Check(tenukiro::IsAbsolutePath(c.path) == c.absolute, std::string("absolute: ") + c.path);
  const std::string folder = tenukiro::UserDataFolder();
  Check(folder.ends_with("\\Tenukiro\\") && tenukiro::IsAbsolutePath(folder), "user data folder: " + folder);
}

void CheckCharsets() {
  using tenukiro::TextEncoding;
  struct Case {
    const char* charset;
    std::string bytes;
    std::u32string text;
  };
  const Case cases[] = {
      {"Shift_JIS", "\x93\xfa\x96\x7b", U"\u65E5\u672C"},
      {"GB2312", "\xc4\xe3\xba\xc3", U"\u4F60\u597D"},
      {"Big5", "\xa4\xa4\xa4\xe5", U"\u4E2D\u6587"},
      {"EUC-KR", "\xc7\xd1", U"\uD55C"},
      {"ISO-8859-1", "caf\xe9", U"caf\u00E9"},
      {"windows-1251", "\xc4\xe0", U"\u0414\u0430"},
      {"Shift_JIS", "a\x81", U"a\u0081"},  // a cut-off character: its byte as Windows-1252
  };
  for (const Case& c : cases) {
    const TextEncoding encoding = TextEncoding::ForCharset(c.charset);
    Check(!encoding.IsAutomatic(), std::string("charset known: ") + c.charset);
    Check(tenukiro::DecodeText(c.bytes, encoding) == c.text, std::string("decoded: ") + c.charset);
  }
  Check(TextEncoding::ForCharset("X-NO-SUCH").IsAutomatic(), "an unknown charset is automatic");
  tenukiro::CharacterReader reader(TextEncoding::ForCharset("Shift_JIS"));
  const tenukiro::DecodedCharacter first = reader.Read("\x93\xfa\x96\x7b");
  Check(first.code == U'\u65E5' && first.length == 2, "one double-byte character read alone");
}

void CheckFiles() {
  namespace fs = std::filesystem;
  const std::u8string temporary = (fs::temp_directory_path() / tenukiro::FilePath("platform é 記録")).u8string();
  const std::string folder(temporary.begin(), temporary.end());
  fs::remove_all(tenukiro::FilePath(folder));
  fs::create_directories(tenukiro::FilePath(folder + "\\games"));
  const std::string record = folder + "\\première.sgf";
  std::ofstream(tenukiro::FilePath(record), std::ios::binary) << "(;C[x])";
  tenukiro::WholeFile file;
  Check(tenukiro::ReadRegularFile(record, file) && std::string(file.bytes.get(), file.size) == "(;C[x])",
        "a file under a wide name reads");
  Check(!tenukiro::ReadRegularFile(folder + "\\games", file), "a folder is no file");
  Check(!tenukiro::ReadRegularFile(folder + "\\missing.sgf", file), "a missing file");
  {
    const std::unique_ptr<tenukiro::MappedFile> mapped = tenukiro::MappedFile::Open(record);
    Check(mapped && std::string(mapped->Bytes(), mapped->Size()) == "(;C[x])", "a file under a wide name maps");
    // The mapping is copy-on-write: what the reader rewrites never reaches the file.
    if (mapped) mapped->Bytes()[3] = 'G';
    Check(tenukiro::ReadRegularFile(record, file) && std::string(file.bytes.get(), file.size) == "(;C[x])",
          "writing to a mapping leaves the file alone");
    Check(!tenukiro::MappedFile::Open(folder + "\\games"), "a folder does not map");
    std::ofstream(tenukiro::FilePath(folder + "\\empty.sgf"), std::ios::binary).close();
    const std::unique_ptr<tenukiro::MappedFile> empty = tenukiro::MappedFile::Open(folder + "\\empty.sgf");
    Check(empty && empty->Size() == 0, "an empty file maps to no bytes");
  }
  fs::remove(tenukiro::FilePath(folder + "\\empty.sgf"));
  // The system's detection may know the charset or not; either way it answers.
  const std::string detected = tenukiro::DetectCharset("\x8d\x95\x82\xcc\x90\xe6\x8e\xe8\x82\xc5\x82\xb7\x81\x42");
  Check(detected.empty() || detected == "SHIFT_JIS", "charset detection answers");
  tenukiro::FolderIdentity identity;
  tenukiro::FolderIdentity again;
  tenukiro::OpenedFolder opened = tenukiro::OpenFolder(folder, identity);
  Check(opened != nullptr, "the folder opens");
  std::set<std::string> names;
  tenukiro::FolderEntry entry;
  while (opened && tenukiro::NextFolderEntry(*opened, entry)) {
    names.insert(entry.name);
    Check(entry.kind && entry.kind->folder == (entry.name == "games"), "the kind of " + entry.name);
  }
  Check(names == std::set<std::string>{"games", "première.sgf"}, "the folder's entries");
  Check(tenukiro::OpenFolder(folder + "\\", again) && again == identity, "the same folder by another path");
  Check(tenukiro::KindOf(record).regular && tenukiro::KindOf(folder).folder, "kinds of paths");
  fs::remove_all(tenukiro::FilePath(folder));
}

void CheckRegistry() {
  tenukiro::RegistryProfile profile("TenukiroPlatformCheck");
  Check(!profile.ReadText("BackColorRed"), "a missing value reads as nothing");
  profile.WriteInt("BackColorRed", 12);
  profile.WriteInt("CommonPositionTime", -3);
  profile.WriteText("File0", "C:\\parties é\\記録.sgf");
  profile.WriteText("NumOfFile", "many");
  Check(profile.ReadInt("BackColorRed") == 12, "a number reads back");
  Check(profile.ReadInt("CommonPositionTime") == -3, "a negative number reads back");
  Check(profile.ReadText("File0") == "C:\\parties é\\記録.sgf", "a text reads back");
  Check(profile.ReadText("NumOfFile") == "many" && !profile.ReadInt("NumOfFile"), "a number setting given text");
}

void CheckFonts() {
  const tenukiro::Font arial("Arial", 20);
  Check(!arial.empty() && !arial.family().empty(), "Arial is found");
  Check(arial.ascent() > 10 && arial.ascent() < 20, "Arial's ascent: " + std::to_string(arial.ascent()));
  int advance = 0;
  int inked = 0;
  arial.ForEachGlyph(U"W ", [&](char32_t, const tenukiro::Glyph& glyph) {
    advance += glyph.advance;
    for (std::uint8_t c : glyph.coverage) inked += c > 128 ? 1 : 0;
  });
  Check(advance > 15 && advance < 30 && inked > 20, "text is measured and inked");
  const tenukiro::Font narrow("Arial Narrow", 20);
  int narrowAdvance = 0;
  narrow.ForEachGlyph(U"W ", [&](char32_t, const tenukiro::Glyph& glyph) { narrowAdvance += glyph.advance; });
  Check(!narrow.empty() && narrowAdvance > 0 && narrowAdvance <= advance, "Arial Narrow is no wider");
  // A character Arial lacks comes from a face that has it, where the system has one.
  int cjkInked = 0;
  arial.ForEachGlyph(U"\u56F2", [&](char32_t, const tenukiro::Glyph& glyph) {
    for (std::uint8_t c : glyph.coverage) cjkInked += c > 128 ? 1 : 0;
  });
  Check(cjkInked > 20, "a CJK character is drawn");
}

void CheckSpheres() {
  Check(tenukiro::GlSphereRenderer::Instance() != nullptr, "spheres render through WGL");
}

}  // namespace

int main() {
  CheckPaths();
  CheckCharsets();
  CheckFiles();
  CheckRegistry();
  CheckFonts();
  CheckSpheres();
  std::printf("%d failed\n", failures);
  return failures;
}
