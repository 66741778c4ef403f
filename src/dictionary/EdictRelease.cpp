#include "dictionary/EdictRelease.h"

#include <algorithm>

namespace brushly {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Whether the count characters of text from first are all digits.
bool DigitsAt(std::string_view text, std::size_t first, std::size_t count) {
    return first + count <= text.size() &&
           std::all_of(text.begin() + static_cast<std::ptrdiff_t>(first),
                       text.begin() + static_cast<std::ptrdiff_t>(first + count), IsDigit);
}

}  // namespace

bool HoldsDigit(std::string_view text) {
    return std::any_of(text.begin(), text.end(), IsDigit);
}

CEdictRelease EdictReleaseOf(std::string_view header) {
    CEdictRelease release;
    constexpr std::string_view kCreated = "Created: ";
    const std::size_t created = header.find(kCreated);
    if (created != std::string_view::npos) {
        const std::size_t date = created + kCreated.size();
        // YYYY-MM-DD
        if (DigitsAt(header, date, 4) && header.size() >= date + 10 && header[date + 4] == '-' &&
            DigitsAt(header, date + 5, 2) && header[date + 7] == '-' &&
            DigitsAt(header, date + 8, 2)) {
            release.created = std::string(header.substr(date, 10));
        }
    }
    const std::size_t copyright = header.find("Copyright");
    if (copyright != std::string_view::npos) {
        const std::size_t end = header.find('/', copyright);
        const std::string_view notice = header.substr(copyright, end - copyright);
        const std::size_t dash = notice.rfind("- ");
        if (dash != std::string_view::npos && DigitsAt(notice, dash + 2, 4)) {
            release.copyrightYear = std::string(notice.substr(dash + 2, 4));
        }
    }
    return release;
}

}  // namespace brushly
