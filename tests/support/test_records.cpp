#include "support/test_records.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include <unistd.h>

#include "support/record_generator.h"

namespace tenukiro::testing {
namespace {

namespace fs = std::filesystem;

struct GeneratedGames {
  const char* name;
  BoardShape shape;
  int count;
  uint32_t seed;
};

// Square boards of the usual sizes and an odd rectangle.
constexpr GeneratedGames kGeneratedGames[] = {
    {"random-9x9", {9, 9}, 8, 900},
    {"random-13x13", {13, 13}, 6, 1300},
    {"random-19x19", {19, 19}, 10, 1900},
    {"random-7x11", {7, 11}, 4, 711},
};

std::vector<fs::path> SgfFilesUnder(const fs::path& folder) {
  std::vector<fs::path> files;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder)) {
    if (entry.is_regular_file() && entry.path().extension() == ".sgf") files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  return files;
}

// The own set's temporary folder, removed at exit.
class OwnRecordFolder {
 public:
  OwnRecordFolder() : folder_(fs::temp_directory_path() / ("tenukiro-records-" + std::to_string(::getpid()))) {
    files_ = WriteOwnRecords(folder_);
  }
  ~OwnRecordFolder() {
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }
  const std::vector<fs::path>& Files() const { return files_; }

 private:
  fs::path folder_;
  std::vector<fs::path> files_;
};

}  // namespace

fs::path CorpusDir() { return TENUKIRO_CORPUS_DIR; }

bool IsAvailable(RecordSet set) { return set == RecordSet::kOwn || fs::is_directory(CorpusDir()); }

const std::vector<fs::path>& RecordFiles(RecordSet set) {
  if (set == RecordSet::kOwn) {
    static const OwnRecordFolder own;
    return own.Files();
  }
  static const std::vector<fs::path> corpus = IsAvailable(set) ? SgfFilesUnder(CorpusDir()) : std::vector<fs::path>{};
  return corpus;
}

std::vector<std::pair<std::string, std::string>> GeneratedRecords() {
  std::vector<std::pair<std::string, std::string>> records;
  for (const GeneratedGames& games : kGeneratedGames) {
    for (int i = 0; i < games.count; ++i) {
      records.emplace_back(std::string(games.name) + "-" + std::to_string(i + 1) + ".sgf",
                           RandomGameRecord(games.seed + i, games.shape));
    }
  }
  records.emplace_back("random-collection.sgf", RandomCollection(4242, {{9, 9}, {19, 19}, {7, 11}}));
  return records;
}

std::string ReadBytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<fs::path> WriteOwnRecords(const fs::path& folder) {
  const fs::path carried = TENUKIRO_CARRIED_RECORDS;
  const std::vector<fs::path> carriedFiles = SgfFilesUnder(carried);
  if (carriedFiles.empty()) throw std::runtime_error("no records in " + carried.string());
  fs::create_directories(folder);
  for (const fs::path& file : carriedFiles) {
    fs::copy_file(file, folder / file.filename(), fs::copy_options::overwrite_existing);
  }
  for (const auto& [name, text] : GeneratedRecords()) {
    std::ofstream(folder / name, std::ios::binary) << text;
  }
  return SgfFilesUnder(folder);
}

}  // namespace tenukiro::testing
