#pragma once

class QBoxLayout;
class QLabel;
class QRect;
class QString;
class QWidget;

#include <string>

namespace orthavel {

// Gives a dialog the program's look: black text on a light grey background (192, 192, 192) and
// no context-help button in the title bar.
void applyDialogLook(QWidget* dialog);

// A label that shows its text as written: a dialog's texts may repeat what came from a file, so
// nothing in them is taken for HTML.
QLabel* plainLabel(const QString& text, QWidget* parent);

// Keeps a dialog laid out by this layout wide enough that the window manager can show its whole
// title, however narrow its contents.
void reserveTitleWidth(QWidget* dialog, QBoxLayout* layout);

// Makes a dialog fit the free area of the screen it shows on, at any scale: when its contents need
// more room than there is, they move into a scrolling area and the dialog takes the room there
// is; otherwise it is left as it is. Call at the end of the constructor, once the dialog's layout
// is complete.
void fitToScreen(QWidget* dialog);
// The same for a free area given in the dialog's (logical) pixels.
void fitToArea(QWidget* dialog, const QRect& area);

// A label or caption with a keyboard mnemonic: "&" before its first letter that no earlier one
// of the dialog took (used holds the letters taken and grows by the one chosen). A text that
// holds an "&" already is left as it is.
QString withMnemonic(const QString& text, QString& used);

} // namespace orthavel
