#pragma once

class QBoxLayout;
class QString;
class QWidget;

#include <string>

namespace orthavel {

// Gives a dialog the program's look: black text on a light grey background (192, 192, 192) and
// no context-help button in the title bar.
void applyDialogLook(QWidget* dialog);

// Keeps a dialog laid out by this layout wide enough that the window manager can show its whole
// title, however narrow its contents.
void reserveTitleWidth(QWidget* dialog, QBoxLayout* layout);

// A label or caption with a keyboard mnemonic: "&" before its first letter that no earlier one
// of the dialog took (used holds the letters taken and grows by the one chosen). A text that
// holds an "&" already is left as it is.
QString withMnemonic(const QString& text, QString& used);

} // namespace orthavel
