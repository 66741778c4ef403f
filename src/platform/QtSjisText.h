#pragma once

#include <QString>
#include <string>
#include <string_view>

// The program keeps its text in Shift-JIS; Qt's widgets take and give Unicode. These are
// the two conversions at that edge, for display and for what the user types.
namespace brushly {

QString SjisToQString(std::string_view sjisText);
// Characters Shift-JIS cannot hold come back as the converter's replacement.
std::string QStringToSjis(const QString& text);

}  // namespace brushly
