#include "platform/QtSjisText.h"

#include "platform/ShiftJis.h"

namespace brushly {

QString SjisToQString(std::string_view sjisText) {
    return QString::fromStdString(sjis::ToUtf8(sjisText));
}

std::string QStringToSjis(const QString& text) {
    return sjis::FromUtf8(text.toStdString());
}

}  // namespace brushly
