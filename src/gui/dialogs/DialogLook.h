// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QBoxLayout;
class QComboBox;
class QLabel;
class QMessageBox;
class QObject;
class QPushButton;
class QRect;
class QString;
class QWidget;

#include <string>

namespace orthavel {

// Gives a dialog the program's look: black text on a light grey background (192, 192, 192) and
// no context-help button in the title bar. When it is shown it opens centred on the main window
// and wholly on the screen, title bar included.
void applyDialogLook(QWidget* dialog);

// The rules every window of the program keeps, those Qt makes for it too (file dialogs, Print
// Preview, the questions they ask): a top-level window opens wholly on the screen, a dialog
// centred on its main window as applyDialogLook places it, and every button of a message box with
// more than one gets a letter of its own (giveButtonsLetters). Installed once, on the application.
void applyWindowRules();

// Underlines a letter in each button of a message box with more than one that has none yet: the
// first letter of its text that no other button of the box took.
void giveButtonsLetters(QMessageBox* box);

// Moves a window, frame and title bar included, to the centre of the main window (the outermost
// window it belongs to), then into the free area of the screen.
void placeOnScreen(QWidget* dialog);
// Moves a framed window whose frame reaches past the free area of its screen back into it.
void keepFrameOnScreen(QWidget* dialog);

// Enter in an editable drop-down list presses the dialog's default button and leaves the text as
// it stands, instead of letting the list replace a text that is none of its entries.
void enterPressesDefault(QComboBox* list, QPushButton* defaultButton);

// Cuts every connection from a dialog's own widgets to the dialog. Its destructor calls this: a
// dialog destroyed while shown hides as it goes, a field holding typed text then loses the focus
// and reports an edit, and the dialog that would take it is already half destroyed.
void disconnectChildren(QObject* dialog);

// Names an input for screen readers after its label: the label's text without its mnemonic mark
// and closing colon ("&Eye Color:" names it "Eye Color").
void nameAfterLabel(QWidget* input, const QString& label);

// The part of a dialog that stays in view when fitToScreen makes the rest scroll, such as a
// counter and the buttons below scrolling rows; it must be the last item of the dialog's layout.
void keepInView(QWidget* footer);

// A label that shows its text as written: a dialog's texts may repeat what came from a file, so
// nothing in them is taken for HTML.
QLabel* plainLabel(const QString& text, QWidget* parent);

// Keeps a dialog laid out by this layout wide enough that the window manager can show its whole
// title, however narrow its contents.
void reserveTitleWidth(QWidget* dialog, QBoxLayout* layout);
// How wide a dialog must be for the window manager to show its whole title.
int titleWidth(const QWidget* dialog);

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
