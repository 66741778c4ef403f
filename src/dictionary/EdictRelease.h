#pragma once

#include <string>
#include <string_view>

// What an EDICT header says of its release. Older files number the release at fixed places
// of the header ("EDICT, Version 05/009"); current ones write a copyright year and a
// creation date into it instead ("EDICT, EDICT_SUB(P), EDICT2 Japanese-English Electronic
// Dictionary Files/Copyright Electronic Dictionary Research & Development Group -
// 2021/Created: 2021-02-03/").
namespace brushly {

struct CEdictRelease {
    std::string created;        // "YYYY-MM-DD" after "Created: ", or empty
    std::string copyrightYear;  // the four digits after the last "- " before a "/", or empty
};

CEdictRelease EdictReleaseOf(std::string_view header);

// Whether text holds a decimal digit.
bool HoldsDigit(std::string_view text);

}  // namespace brushly
