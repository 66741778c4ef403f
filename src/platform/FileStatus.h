#pragma once

#include <string>

// What a path names, asked without exceptions: a status that cannot be read (a symbolic link
// that loops, a folder without permission) is an answer, not a failure.
namespace brushly {

// Whether path names something; false when its status cannot be read.
bool PathExists(const std::string& path);
// Whether path is worth handing to a reader: it names something, or its status cannot be read
// (the reader then reports why it cannot be opened).
bool PathMayBeRead(const std::string& path);
// Whether path names a folder; false when its status cannot be read.
bool IsFolder(const std::string& path);

}  // namespace brushly
