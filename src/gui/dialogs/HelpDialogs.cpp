// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/dialogs/HelpDialogs.h"

#include "gui/dialogs/DialogLook.h"
#include "qtsheet/SheetPictures.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace orthavel {

namespace {

// A dialog with the program's look, a title and an OK button under its content.
std::unique_ptr<QDialog> makeInfoDialog(QWidget* parent, const QString& title, QLayout* content) {
    auto dialog = std::make_unique<QDialog>(parent);
    applyDialogLook(dialog.get());
    dialog->setWindowTitle(title);
    auto* layout = new QVBoxLayout(dialog.get());
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(content);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, dialog.get());
    buttons->setCenterButtons(true);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog.get(), &QDialog::accept);
    layout->addWidget(buttons);
    fitToScreen(dialog.get());
    return dialog;
}

QLabel* wrappedLabel(const QString& text, int width) {
    auto* label = new QLabel(text);
    label->setWordWrap(true);
    label->setFixedWidth(width);
    return label;
}

} // namespace

std::unique_ptr<QDialog> makeAboutDialog(QWidget* parent) {
    auto* content = new QHBoxLayout;
    // The culture book's cover in colour, as the main menu shows it lit, in the screen's pixels.
    auto* picture = new QLabel;
    picture->setObjectName(QStringLiteral("aboutPicture"));
    const qreal ratio = parent != nullptr ? parent->devicePixelRatioF() : qApp->devicePixelRatio();
    picture->setPixmap(QPixmap::fromImage(SheetPictures().image(PictureId::FullCoverLit, ratio)));
    picture->setAlignment(Qt::AlignTop);
    content->addWidget(picture);
    auto* lines = new QVBoxLayout;
    lines->addWidget(new QLabel(QStringLiteral("Orthavel Version 1.5")));
    // The notices wrap beside the cover, so the box stays narrow enough for a screen at twice the
    // scale.
    lines->addWidget(wrappedLabel(
        QObject::tr("A companion for players and game masters of the Orthavel game."), 240));
    lines->addWidget(wrappedLabel(
        QObject::tr("Free software under the GNU General Public License, version 3 or later: you "
                    "may share and change it under its terms."),
        240));
    lines->addWidget(
        wrappedLabel(QObject::tr("Provided as is; see Help > Legal Disclaimer."), 240));
    lines->addStretch();
    content->addLayout(lines);
    content->setSpacing(16);
    return makeInfoDialog(parent, QStringLiteral("About Orthavel Computer Aided Roleplaying"),
                          content);
}

std::unique_ptr<QDialog> makeGeneralHelpDialog(QWidget* parent) {
    const QString paragraphs[] = {
        QObject::tr("To generate a character, choose New QuickPC from the File menu, or point "
                    "at the Quick PC Maker cover of the main menu page and click the left mouse "
                    "button. For a full generation, click the Culture Book cover instead."),
        QObject::tr("The program then leads you through a series of dialog boxes that follow "
                    "the Quick PC Maker and Full Generation rules of the game."),
        QObject::tr("To print your character, choose the page in the View menu and press the "
                    "printer button or choose Print from the File menu, once for each page."),
        QObject::tr("To update a character, open it from the File menu, then choose Update "
                    "Character and the kind of update."),
        QObject::tr("When changing professions, choose enough new advantage and skill points to "
                    "reach the masteries and advantages the new profession requires."),
    };
    auto* content = new QVBoxLayout;
    for (const auto& paragraph : paragraphs) {
        content->addWidget(wrappedLabel(paragraph, 420));
    }
    return makeInfoDialog(parent, QStringLiteral("General Help"), content);
}

std::unique_ptr<QDialog> makeLegalDialog(QWidget* parent) {
    auto* content = new QVBoxLayout;
    content->addWidget(wrappedLabel(
        QObject::tr("This software is provided \"as is\", without express or implied warranty "
                    "of any kind, including but not limited to the warranties of "
                    "merchantability, fitness for a particular purpose and non-infringement."),
        400));
    content->addWidget(wrappedLabel(
        QObject::tr("In no event shall the authors be held liable for any damages arising from "
                    "the use of this software. You use it at your own risk."),
        400));
    return makeInfoDialog(parent, QStringLiteral("Legal Information"), content);
}

} // namespace orthavel
