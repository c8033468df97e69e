#pragma once

class QWidget;
class QString;

#include <string>

namespace orthavel {

// Gives a dialog the program's look: black text on a light grey background (192, 192, 192) and
// no context-help button in the title bar.
void applyDialogLook(QWidget* dialog);

// A UTF-8 text of the core as Qt text.
QString fromUtf8(const std::string& text);

} // namespace orthavel
