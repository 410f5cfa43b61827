#pragma once

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace tenukiro::testing {

// The records the record-wide tests play. The project's own set is always there: the
// small hand-written records carried in tests/records and the random games the
// generator makes. The external corpus (TENUKIRO_CORPUS_DIR) is an extra that may be
// absent.
enum class RecordSet { kOwn, kCorpus };
inline constexpr RecordSet kRecordSets[] = {RecordSet::kOwn, RecordSet::kCorpus};

std::filesystem::path CorpusDir();
bool IsAvailable(RecordSet set);

// Every .sgf file of the set, in name order. The own set is written once per
// process into a temporary folder that goes when the process ends.
const std::vector<std::filesystem::path>& RecordFiles(RecordSet set);

// The generated records: file name and text.
std::vector<std::pair<std::string, std::string>> GeneratedRecords();

std::string ReadBytes(const std::filesystem::path& file);

// Copies the carried records and writes the generated ones into `folder`; returns
// the paths written, in name order.
std::vector<std::filesystem::path> WriteOwnRecords(const std::filesystem::path& folder);

}  // namespace tenukiro::testing
