#include "gui/dialogs/DialogLook.h"

#include <QColor>
#include <QPalette>
#include <QString>
#include <QWidget>

namespace orthavel {

void applyDialogLook(QWidget* dialog) {
    QPalette palette = dialog->palette();
    palette.setColor(QPalette::Window, QColor(192, 192, 192));
    palette.setColor(QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(128, 128, 128));
    dialog->setPalette(palette);
    dialog->setAutoFillBackground(true);
    dialog->setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

} // namespace orthavel
