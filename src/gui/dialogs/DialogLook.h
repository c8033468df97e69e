#pragma once

class QWidget;

#include <string>

namespace orthavel {

// Gives a dialog the program's look: black text on a light grey background (192, 192, 192) and
// no context-help button in the title bar.
void applyDialogLook(QWidget* dialog);

} // namespace orthavel
