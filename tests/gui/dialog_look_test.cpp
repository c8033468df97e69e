// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// How every window looks: each shown widget's place, text, font and colours, and the order Tab
// walks, against a reviewed file. The rules behind each window are tested elsewhere; this catches
// a margin, a stretch, a colour or an order changed by mistake. The font is fixed, so that the
// file holds wherever Liberation Sans is installed.

#include "GuiTestSupport.h"

#include "core/advantages/AdvantageAssignment.h"
#include "core/generation/AppearanceDialogs.h"
#include "core/generation/ArmorDialog.h"
#include "core/generation/CareerDialogs.h"
#include "core/generation/OriginDialogs.h"
#include "core/interaction/NumberPrompt.h"
#include "core/skills/EmphasisDisplay.h"
#include "core/skills/SkillRoll.h"
#include "core/skills/SkillSelection.h"
#include "gui/app/PartyDock.h"
#include "gui/dialogs/AdvantageAssignmentView.h"
#include "gui/dialogs/ChoiceDialogView.h"
#include "gui/dialogs/DialogLook.h"
#include "gui/dialogs/EmphasisView.h"
#include "gui/dialogs/FormDialogView.h"
#include "gui/dialogs/HelpDialogs.h"
#include "gui/dialogs/QtInteraction.h"
#include "gui/dialogs/SkillRollView.h"
#include "gui/dialogs/SkillSelectionView.h"

#include <QFile>
#include <QMenuBar>
#include <QPixmap>

using namespace orthavel;

namespace {

// A shown widget and, indented under it, its shown children; a colour where it differs from
// the parent's.
void describe(const QWidget& w, int depth, QString& out) {
    QString text = w.isWindow() ? w.windowTitle() : w.property("text").toString();
    text = text.isEmpty() ? w.property("currentText").toString() : text;
    out +=
        QString(depth * 2, QLatin1Char(' ')) + QLatin1String(w.metaObject()->className()) +
        QStringLiteral(" \"") + text.left(40).replace(QLatin1Char('\n'), QLatin1Char('|')) +
        QString::asprintf("\" %d,%d %dx%d", w.x(), w.y(), w.width(), w.height()) +
        (w.font().bold() ? QStringLiteral(" bold") : QString()) +
        (w.property("pixmap").value<QPixmap>().isNull() ? QString() : QStringLiteral(" picture")) +
        (w.toolTip().isEmpty() ? QString() : QStringLiteral(" tip \"%1\"").arg(w.toolTip())) +
        (!w.inherits("QAbstractSlider")
             ? QString()
             : QString::asprintf(" range %d-%d page %d", w.property("minimum").toInt(),
                                 w.property("maximum").toInt(), w.property("pageStep").toInt()));
    for (const QPalette::ColorRole role : {w.foregroundRole(), w.backgroundRole()}) {
        const QColor colour = w.palette().color(role);
        if (w.isWindow() || w.parentWidget()->palette().color(role) != colour) {
            out += QLatin1Char(' ') + colour.name();
        }
    }
    out += (w.isEnabled() ? QString() : QStringLiteral(" disabled")) +
           (w.hasFocus() ? QStringLiteral(" focus\n") : QStringLiteral("\n"));
    for (const QWidget* shown : w.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!shown->isWindow() && shown->isVisible()) {
            describe(*shown, depth + 1, out);
        }
    }
}

// Menu entries a user can see, one a line, submenus indented under theirs: caption, shortcuts,
// what the status bar says, a tooltip other than the caption, whether it is a switch and on.
void entries(const QList<QAction*>& actions, int depth, QString& out) {
    for (const QAction* entry : actions) {
        if (entry->isVisible()) {
            out += QLatin1Char('\n') + QString(depth * 2, QLatin1Char(' ')) +
                   (entry->isSeparator()
                        ? QStringLiteral("---")
                        : QStringLiteral("%1 [%2] \"%3\"")
                              .arg(entry->text(), QKeySequence::listToString(entry->shortcuts()),
                                   entry->statusTip())) +
                   (entry->toolTip() == QString(entry->text())
                                            .remove(QLatin1Char('&'))
                                            .remove(QStringLiteral("..."))
                        ? QString()
                        : QStringLiteral(" tip \"%1\"").arg(entry->toolTip())) +
                   (entry->isEnabled() ? QString() : QStringLiteral(" disabled")) +
                   (entry->isCheckable() ? QStringLiteral(" switch") : QString()) +
                   (entry->isChecked() ? QStringLiteral(" on") : QString());
            entries(entry->menu() != nullptr ? entry->menu()->actions() : QList<QAction*>(),
                    depth + 1, out);
        }
    }
}

// The window, the widgets Tab walks in their order, and the menus with their entries.
QString look(QWidget& window) {
    QString out;
    describe(window, 0, out);
    out += QStringLiteral("Tab:");
    const QWidget* w = &window;
    for (int i = 0; i < 200 && (w = w->nextInFocusChain()) != &window;) {
        if (w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) != 0) {
            out += QLatin1Char(' ') + QLatin1String(w->metaObject()->className()) +
                   QLatin1Char('/') + w->property("text").toString().left(12);
            ++i;
        }
    }
    if (const auto* main = qobject_cast<QMainWindow*>(&window)) {
        entries(main->menuBar()->actions(), 0, out);
    }
    return out + QStringLiteral("\n\n");
}

} // namespace

class DialogLookTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        useOwnSettings("dialog_look_test");
        QApplication::setFont(QFont(QStringLiteral("Liberation Sans"), 9));
    }

    void everyWindowLooksAsReviewed() {
        QString made;
        const auto add = [&made](QWidget& window) {
            QVERIFY(opened(window));
            QCOMPARE(crowding(window), QString());
            made += look(window);
        };
        for (const ChoiceDialog& dialog :
             {raceDialog(), armorDialog(), ageCategoryDialog(), careerDialog(kJobsDialogs[1])}) {
            ChoiceDialogView view(dialog);
            add(view);
        }
        FormEntry traits(physicalTraitsDialog(16, 21, 300));
        FormEntry number(numberPromptForm(newAdvantagePointsPrompt()));
        for (FormEntry* form : {&traits, &number}) {
            FormDialogView view(*form);
            add(view);
        }
        AdvantageAssignment advantages;
        advantages.open(kRaceKessari, 0, 103, {}, 300, 1);
        AdvantageAssignmentView advantagesView(advantages);
        add(advantagesView);
        SkillSelection skills;
        skills.open(kRaceNeuonian, 103, 5, 0, {}, 0);
        SkillSelectionView skillsView(skills);
        add(skillsView);
        SkillSelectionView fitted(skills);
        fitToArea(&fitted, QRect(0, 0, 640, 280));
        add(fitted);
        EmphasisView emphasis(layoutEmphasisDisplay(kRaceKessari, {}));
        add(emphasis);
        for (const auto make : {makeAboutDialog, makeGeneralHelpDialog, makeLegalDialog}) {
            add(*make(nullptr));
        }
        QtInteraction ui;
        for (const bool warns : {false, true}) {
            whenOpen<QMessageBox>([&](QMessageBox* box) {
                made += look(*box);
                QTest::keyClick(box, Qt::Key_Return);
            });
            ui.showMessage({warns ? "Random Dice Roll (You need a 57 to be ambidextrous)" : "Roll",
                            "You rolled a: 57.", warns}); // Enter closes it
        }

        Frame f;
        // Opened by the document, no recent file shows where the tests run.
        QVERIFY(f.document.OnOpenDocument(ORTHAVEL_TEST_DATA "/sample_kessari.ksc"));
        SkillRoll roll(f.document.record());
        SkillRollView rollView(roll);
        add(rollView);
        f.document.dice().queueRolls({52});
        f.frame.runCommand(CommandId::HitLocation);
        f.frame.commandAction(CommandId::RollLog)->trigger();
        f.frame.commandAction(CommandId::PartyDock)->trigger();
        add(f.frame);
        QFile file(QStringLiteral(ORTHAVEL_TEST_DATA "/windows.look"));
        if (qEnvironmentVariableIsSet("ORTHAVEL_WRITE_GOLDEN")) {
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(made.toUtf8()) > 0);
            return;
        }
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(made.split(QLatin1Char('\n')),
                 QString::fromUtf8(file.readAll()).split(QLatin1Char('\n')));
    }
};

QTEST_MAIN(DialogLookTest)
#include "dialog_look_test.moc"
