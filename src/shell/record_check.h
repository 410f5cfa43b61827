#pragma once

#include <iosfwd>
#include <span>
#include <string>

namespace tenukiro {

// Says on `err` which of the records named on the command line cannot be read: a random
// game stands in for each, and a picture of it should not pass for the record. Folders
// count as readable where a list of records is wanted (`foldersAllowed`).
void WarnAboutUnreadableRecords(std::span<const std::string> records, bool foldersAllowed, std::ostream& err);

}  // namespace tenukiro
