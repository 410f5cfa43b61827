#include <iostream>

#include "support/record_shape.h"
#include "support/test_records.h"

// Writes the project's own test records into a folder for the end-to-end tests and
// prints one line per record: its number of nodes, a tab, its path.
int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: make_test_records FOLDER\n";
    return 2;
  }
  for (const std::filesystem::path& path : tenukiro::testing::WriteOwnRecords(argv[1])) {
    std::cout << tenukiro::testing::ScanRecord(tenukiro::testing::ReadBytes(path)).nodes << '\t' << path.string() << '\n';
  }
  return 0;
}
