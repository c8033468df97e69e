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
