#pragma once

#include <QString>
#include <string>

#include "platform/QtSjisText.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QWidget;

// Small helpers the card editor dialogs share for building their controls.
namespace brushly::editors {

// Controls named for the tests: a push button with its text (mnemonic included), a line
// edit, a label.
QPushButton* Button(const char* text, const char* name, QWidget* parent);
QLineEdit* Edit(const char* name, QWidget* parent);
QLabel* Label(const char* text, QWidget* parent);

// The selected row of a list; -1 when none.
int SelectedRow(const QListWidget& list);

}  // namespace brushly::editors
