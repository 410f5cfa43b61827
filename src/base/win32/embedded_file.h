#pragma once

#include <string>
#include <string_view>

namespace tenukiro {

// The Windows program carries its data files (the bundled record, the help pages) as resources
// named by their file names, so that a program copied alone, or installed where its data files
// are not beside it, still has them. A copy on disk is always preferred.

// The bytes of the copy the program carries of the file `name` ("Tenukiro.sgf"); empty when it
// carries none (a test program carries none).
std::string_view EmbeddedFile(std::string_view name);

// The embedded copy that stands for `path`: a file the program carries, looked for beside the
// program (where the program looks last for its data files). Empty for any other path.
std::string_view EmbeddedCopyOf(const std::string& path);

// A path that can be handed to another program (a help page to the browser): `path` itself when
// it is a file, else a copy of the embedded file written to the user's temporary folder, else
// `path` unchanged.
std::string FileOnDisk(const std::string& path);

}  // namespace tenukiro
