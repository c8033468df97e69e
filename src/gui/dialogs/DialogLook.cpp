#include "gui/dialogs/DialogLook.h"

#include <QBoxLayout>
#include <QSpacerItem>

#include <QColor>
#include <QPalette>
#include <QString>
#include <QWidget>

namespace orthavel {

void reserveTitleWidth(QWidget* dialog, QBoxLayout* layout) {
    // Room for the title in the dialog's own font, and for the title bar's icon and buttons.
    constexpr int kTitleBarExtras = 96;
    const int width =
        dialog->fontMetrics().horizontalAdvance(dialog->windowTitle()) + kTitleBarExtras;
    layout->addSpacerItem(new QSpacerItem(width, 0, QSizePolicy::Fixed, QSizePolicy::Minimum));
}

void applyDialogLook(QWidget* dialog) {
    QPalette palette = dialog->palette();
    palette.setColor(QPalette::Window, QColor(192, 192, 192));
    palette.setColor(QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(128, 128, 128));
    dialog->setPalette(palette);
    dialog->setAutoFillBackground(true);
    dialog->setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

QString withMnemonic(const QString& text, QString& used) {
    if (text.contains(QLatin1Char('&'))) {
        return text;
    }
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar letter = text[i].toLower();
        if (letter.isLetter() && !used.contains(letter)) {
            used.append(letter);
            return QString(text).insert(i, QLatin1Char('&'));
        }
    }
    return text;
}

} // namespace orthavel
