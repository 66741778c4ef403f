#pragma once

#include <QAbstractButton>
#include <QString>
#include <QWidget>
#include <stdexcept>
#include <string>

namespace brushly::testing {

// The descendant of `parent` with that object name and type. A missing one throws, so that a
// renamed widget fails its test by name rather than through a null pointer.
template <class Widget>
Widget& Child(const QWidget& parent, const char* name) {
    auto* child = parent.findChild<Widget*>(QString::fromLatin1(name));
    if (!child) throw std::logic_error(std::string("no widget named ") + name);
    return *child;
}

// The button of `parent` (of type Button) that reads `text`. A missing one throws, as Child.
template <class Button = QAbstractButton>
Button& ButtonWithText(const QWidget& parent, const char* text) {
    for (Button* button : parent.findChildren<Button*>())
        if (button->text() == QString::fromLatin1(text)) return *button;
    throw std::logic_error(std::string("no button reading ") + text);
}

}  // namespace brushly::testing
