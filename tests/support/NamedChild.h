#pragma once

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

}  // namespace brushly::testing
