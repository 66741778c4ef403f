#pragma once

#include <string>

namespace brushly {

// Where the reference data (MasterDB.kdb and the files beside it) of this copy of the program
// lies:
//  1. $BRUSHLY_DATA_DIR, when it is set and not empty;
//  2. for an installed program, InstalledDataDirectory of the running executable, when that
//     folder holds MasterDB.kdb;
//  3. otherwise buildDataDirectory, the folder the build generated the data into, so that a
//     program run from its build tree finds the data of its source tree.
std::string DefaultDataDirectory(const std::string& buildDataDirectory);

// The data folder of an installation whose executable is at `executable`:
// "<prefix>/bin/brushly" -> "<prefix>/share/brushly".
std::string InstalledDataDirectory(const std::string& executable);

}  // namespace brushly
