// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/dialogs/QtInteraction.h"

#include "gui/dialogs/AdvantageAssignmentView.h"
#include "gui/dialogs/ChoiceDialogView.h"
#include "gui/dialogs/DialogLook.h"
#include "gui/dialogs/EmphasisView.h"
#include "gui/dialogs/FormDialogView.h"
#include "gui/dialogs/SkillRollView.h"
#include "gui/dialogs/SkillSelectionView.h"
#include "qtcommon/QtText.h"

#include <QFont>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QSpacerItem>
#include <QVBoxLayout>

#include <algorithm>

namespace orthavel {

namespace {

// A caption longer than this may be cut in a window manager's title bar, whose font is not the
// dialog's: it is shown in the box too.
constexpr qsizetype kCaptionInTitle = 32;
// The most of a text a message box shows: lines, characters a line, and characters a word (a
// word cannot be wrapped, so a longer one would make the box wider than the screen).
constexpr qsizetype kMostLines = 40;
constexpr qsizetype kMostPerLine = 1000;
constexpr qsizetype kMostPerWord = 80;
// However long the caption, the box grows no wider than this for it.
constexpr int kWidestForTitle = 600;

// Text cut to what a message box shows: too long a word, line or text ends in an ellipsis.
QString cutToBox(const QString& text) {
    const QStringList lines = text.split(QLatin1Char('\n'));
    const auto cut = [](QString& part, qsizetype most) {
        if (part.size() > most) {
            part.truncate(part[most - 1].isHighSurrogate() ? most - 1 : most);
            part += QChar(0x2026);
        }
    };
    QStringList shown;
    for (const QString& line : lines.mid(0, kMostLines)) {
        QStringList words = line.split(QLatin1Char(' '));
        for (QString& word : words) {
            cut(word, kMostPerWord);
        }
        QString joined = words.join(QLatin1Char(' '));
        cut(joined, kMostPerLine);
        shown.append(joined);
    }
    if (lines.size() > kMostLines) {
        shown.append(QString(QChar(0x2026)));
    }
    return shown.join(QLatin1Char('\n'));
}

// Puts the caption above the box's text, in bold, the text staying as it is.
void showCaptionInBox(QMessageBox& box, const QString& caption) {
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    auto* text = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    if (grid == nullptr || text == nullptr || grid->indexOf(text) < 0) {
        return;
    }
    int row = 0;
    int column = 0;
    int rows = 0;
    int columns = 0;
    grid->getItemPosition(grid->indexOf(text), &row, &column, &rows, &columns);
    auto* both = new QWidget(&box);
    auto* stack = new QVBoxLayout(both);
    stack->setContentsMargins(0, 0, 0, 0);
    QLabel* shown = plainLabel(cutToBox(caption), both);
    shown->setWordWrap(true);
    QFont bold = shown->font();
    bold.setBold(true);
    shown->setFont(bold);
    stack->addWidget(shown);
    stack->addWidget(text);
    grid->addWidget(both, row, column, rows, columns);
}

} // namespace

void setWholeText(QMessageBox& box, const QString& text) {
    // Messages repeat names from files and scripts: what looks like HTML is shown as written.
    box.setTextFormat(Qt::PlainText);
    const QString shown = cutToBox(text);
    box.setText(shown);
    if (shown != text) {
        box.setDetailedText(text);
    }
}

void showMessageBox(QWidget* parent, const Message& message) {
    const QString caption = toQString(message.caption);
    QMessageBox box(message.exclamation ? QMessageBox::Warning : QMessageBox::NoIcon,
                    cutToBox(caption).section(QLatin1Char('\n'), 0, 0), QString(), QMessageBox::Ok,
                    parent);
    setWholeText(box, toQString(message.text));
    applyDialogLook(&box);
    if (caption.size() > kCaptionInTitle) {
        showCaptionInBox(box, caption);
    }
    // At least as wide as its caption, so that the title bar shows what the box is about
    // ("Random Dice Roll (You need a 57 to be ambidextrous)").
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        grid->addItem(new QSpacerItem(std::min(titleWidth(&box), kWidestForTitle), 0,
                                      QSizePolicy::Fixed, QSizePolicy::Minimum),
                      grid->rowCount(), 0, 1, grid->columnCount());
    }
    box.exec();
}

void QtInteraction::showMessage(const Message& message) {
    showMessageBox(m_parent, message);
}

std::optional<int> QtInteraction::runChoice(const ChoiceDialog& dialog) {
    ChoiceDialogView view(dialog, m_parent);
    if (view.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return view.chosen();
}

bool QtInteraction::runForm(FormEntry& form) {
    FormDialogView view(form, m_parent);
    return view.exec() == QDialog::Accepted;
}

bool QtInteraction::runAdvantageAssignment(AdvantageAssignment& model) {
    AdvantageAssignmentView view(model, m_parent);
    return view.exec() == QDialog::Accepted;
}

bool QtInteraction::runSkillSelection(SkillSelection& model) {
    SkillSelectionView view(model, m_parent);
    return view.exec() == QDialog::Accepted;
}

bool QtInteraction::runSkillRoll(SkillRoll& model) {
    SkillRollView view(model, m_parent);
    return view.exec() == QDialog::Accepted;
}

void QtInteraction::showEmphasisDisplay(const EmphasisDisplay& display) {
    EmphasisView view(display, m_parent);
    view.exec();
}

SaveAnswer QtInteraction::askSaveChanges(std::string_view documentName) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Orthavel"), QString(),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, m_parent);
    setWholeText(box, QObject::tr("Save changes to %1?").arg(toQString(documentName)));
    box.setDefaultButton(QMessageBox::Save);
    applyDialogLook(&box);
    switch (box.exec()) {
    case QMessageBox::Save:
        return SaveAnswer::Save;
    case QMessageBox::Discard:
        return SaveAnswer::Discard;
    default:
        return SaveAnswer::Cancel;
    }
}

} // namespace orthavel
