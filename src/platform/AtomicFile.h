#pragma once

#include <string>
#include <string_view>

namespace brushly {

// Writes a whole file so that it is either replaced whole or left as it was.
//
// The bytes go to a temporary file of a short name (".brushly-save-XXXXXX") in the folder of
// the file, which is flushed to disk, given the permissions of the file it replaces (a new
// file: 0666 less the umask) and renamed over it; a path that is a symbolic link is written
// through to the file it names, the link staying. With keepBackup an existing file is renamed
// to its name followed by "~" (replacing an older one) just before the new one takes its
// place, so the previous version stays one save back (a name of the longest length, 255
// bytes, has no room for the "~" and keeps none).
//
// Returns 0, or the errno of the step that failed; the temporary file is then removed and the
// file is as it was. A write past the process's file-size limit fails with EFBIG only when
// SIGXFSZ is ignored, which the program and the tool do from their start.
int WriteFileAtomically(const std::string& path, std::string_view bytes, bool keepBackup);

// The backup WriteFileAtomically keeps of a file: the name of the file a symbolic link path
// names, followed by "~".
std::string BackupPathOf(const std::string& path);

}  // namespace brushly
