// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The dialogs: the generic choice dialog, the number prompt, the advantage, skill and emphasis
// dialogs. Every arrow, pick and click reaches the core model, counters follow, refused OKs keep
// the dialog open, Escape cancels; the desktop Interaction runs the real dialogs.

#include "GuiTestSupport.h"

#include "core/advantages/AdvantageAssignment.h"
#include "core/document/CQuorvelDoc.h"
#include "core/document/Commands.h"
#include "core/skills/EmphasisDisplay.h"
#include "core/skills/SkillSelection.h"
#include "gui/dialogs/AdvantageAssignmentView.h"
#include "gui/dialogs/DialogLook.h"
#include "gui/dialogs/EmphasisView.h"
#include "gui/dialogs/ModelSpinBox.h"
#include "gui/dialogs/QtInteraction.h"
#include "gui/dialogs/SkillSelectionView.h"

#include <QComboBox>
#include <QLayout>
#include <QLineEdit>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

using namespace orthavel;

class DialogsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // 1280 x 1024 at scale 2: the rows of "Choose Skills" scroll, keeping their layout, while its
    // counter and buttons stay in view; "Assign Advantages", given its room to the pixel, is left
    // as it is. On a screen lower still, the rows scroll down as well.
    // Escape cancels either (the choice dialog and the form: in their own test).
    void largeDialogsFitASmallScreenAndEscapeCancels() {
        AdvantageAssignment advantages;
        advantages.open(kRaceKessari, 0, 103, {}, 300, 1);
        AdvantageAssignmentView advantagesView(advantages);
        SkillSelection skills;
        skills.open(kRaceKessari, 0, 12, 0, {}, 0);
        SkillSelectionView skillsView(skills);
        const std::tuple<QDialog*, bool, QSize> cases[] = {
            {&advantagesView, false, advantagesView.sizeHint() + QSize(16, 48)}, // and a frame
            {&skillsView, true, QSize(640, 280)}};
        for (const auto& [view, scrolls, room] : cases) {
            const QSize natural = view->sizeHint();
            fitToArea(view, QRect(QPoint(0, 0), room));
            QVERIFY(opened(*view));
            QVERIFY(view->width() <= room.width() && view->height() <= room.height());
            auto* scroller = view->findChild<QScrollArea*>();
            QCOMPARE(scroller != nullptr, scrolls);
            if (scrolls) {
                QCOMPARE(scroller->widget()->width(), natural.width());
                auto* skills = static_cast<SkillSelectionView*>(view);
                for (QWidget* kept :
                     {static_cast<QWidget*>(skills->counter()),
                      static_cast<QWidget*>(buttonCaptioned(*view, QStringLiteral("OK")))}) {
                    QVERIFY(!scroller->isAncestorOf(kept));
                    const QRect place(kept->mapTo(view, QPoint(0, 0)), kept->size());
                    QVERIFY(view->rect().contains(place));
                    QVERIFY2(place.top() >= scroller->geometry().bottom(), "under the rows");
                }
                // The focus brings a list into view with a little room around it where the rows
                // have it, in either column, from the top down and back up.
                const QRect shown = scroller->viewport()->rect();
                QVERIFY(opened(*view));
                for (int c = 2 * kSkillCategoryCount - 1; c >= 0; --c) {
                    QWidget* list = skills->list(static_cast<SkillCategory>(
                        c < kSkillCategoryCount ? c : 2 * kSkillCategoryCount - 1 - c));
                    list->setFocus(Qt::TabFocusReason);
                    const QRect place(list->mapTo(scroller->viewport(), QPoint(0, 0)),
                                      list->size());
                    const QRect body(scroller->widget()->mapTo(scroller->viewport(), QPoint(0, 0)),
                                     scroller->widget()->size());
                    QVERIFY(shown.contains(place.adjusted(-7, -7, 7, 7).intersected(body)));
                }
            } else {
                QCOMPARE(view->size(), natural);
            }
            QTest::keyClick(view, Qt::Key_Escape);
            QVERIFY(!view->isVisible() && view->result() == QDialog::Rejected);
        }
    }

    // A dialog taller than the main window opens centred on it across, and low enough that a
    // title bar above it is on the screen.
    void aTallDialogOpensWhollyOnScreen() {
        QWidget main;
        main.setGeometry(0, 0, 640, 480);
        main.show();
        EmphasisView view(layoutEmphasisDisplay(kRaceKessari, {}), &main);
        QVERIFY(opened(view));
        const QRect area = view.screen()->availableGeometry();
        QVERIFY(area.contains(view.geometry()));
        QVERIFY2(view.y() >= area.top() + 30, qPrintable(QString::number(view.y())));
        QVERIFY(std::abs(view.geometry().center().x() - main.frameGeometry().center().x()) <= 2);
    }

    // The desktop's Interaction: a number prompt, the advantage dialog and a message,
    // each in its real dialog, the answers reaching the document.
    void interactionRunsTheRealDialogs() {
        QtInteraction ui;

        // "Update Advantages": 1 new point, then raise Strength and OK.
        CQuorvelDoc doc;
        doc.record().m_nSkillPoints = 0;
        whenOpen<QDialog>([](QDialog* prompt) {
            prompt->findChild<QLineEdit*>()->setText(QStringLiteral("1"));
            buttonCaptioned(*prompt, QStringLiteral("OK"))->click();
            whenOpen<AdvantageAssignmentView>([](AdvantageAssignmentView* view) {
                QTest::keyClick(view->box(0), Qt::Key_Up);
                buttonCaptioned(*view, QStringLiteral("OK"))->click();
            });
        });
        MessageBoxCloser closer;
        const auto strength = doc.record().m_aAdvantage[0];
        doc.runCommand(command(CommandId::UpdateAdvantages), ui);
        QCOMPARE(doc.record().m_aAdvantage[0], strength + 1);
        QCOMPARE(closer.seen.size(), 1); // "Don't Forget": messages in the views' own test
        // "Update Skills" on a made character: no new points, then OK in "Choose Skills".
        QVERIFY(doc.OnOpenDocument(ORTHAVEL_TEST_DATA "/sample_kessari.ksc"));
        QString shown;
        whenOpen<QDialog>([&shown](QDialog* prompt) {
            prompt->findChild<QLineEdit*>()->setText(QStringLiteral("0"));
            buttonCaptioned(*prompt, QStringLiteral("OK"))->click();
            whenOpen<SkillSelectionView>([&shown](SkillSelectionView* view) {
                shown = view->windowTitle();
                buttonCaptioned(*view, QStringLiteral("OK"))->click();
            });
        });
        doc.runCommand(command(CommandId::UpdateSkills), ui);
        QCOMPARE(shown, QStringLiteral("Choose Skills"));
    }

    // "Assign Advantages" shows the model's levels; arrows, typing and trades
    // update the counters; OK is refused while advantage points are left, and takes a level typed
    // and not yet left.
    void assignAdvantagesShowsTheModelAndFollowsArrowsTypingAndTrades() {
        AdvantageAssignment model;
        AdvantageLevels levels{};
        levels[7] = 3; // Logic
        model.open(kRaceKessari, 0, 103, levels, 300, 1);
        AdvantageAssignmentView view(model);
        QCOMPARE(view.box(7)->value(), 3);
        view.show();
        QPushButton* ok = buttonCaptioned(view, QStringLiteral("OK"));
        QPushButton* away = buttonCaptioned(view, QStringLiteral("Advantages -> Skill Pts"));
        QPushButton* back = buttonCaptioned(view, QStringLiteral("Skill Pts -> Advantages"));
        MessageBoxCloser closer;
        ok->click();
        QCOMPARE(closer.seen.size(), 1);
        QCOMPARE(closer.seen[0].caption, QStringLiteral("Advantage Warning"));
        QVERIFY(view.isVisible());

        QTest::keyClick(view.box(0), Qt::Key_Up);
        QCOMPARE(model.level(Advantage::Strength), 1);
        QCOMPARE(view.advantageCounter()->text(), QStringLiteral("Advantages: 0"));
        QTest::keyClick(view.box(0), Qt::Key_Up);
        QCOMPARE(view.skillCounter()->text(), QStringLiteral("Skill Points: 275"));

        QVERIFY(opened(view));
        retype(view.box(14), QStringLiteral("-2"));
        QTest::keyClick(view.box(14), Qt::Key_Tab); // which commits the text
        QCOMPARE(model.level(Advantage::Avoidance), -2);
        QCOMPARE(view.advantageCounter()->text(), QStringLiteral("Advantages: 2"));

        away->click();
        QCOMPARE(view.advantageCounter()->text(), QStringLiteral("Advantages: 1"));
        QCOMPARE(view.skillCounter()->text(), QStringLiteral("Skill Points: 300"));
        back->click();
        QCOMPARE(view.skillCounter()->text(), QStringLiteral("Skill Points: 275"));

        retype(view.box(14), QStringLiteral("0")); // not left
        ok->click();
        QCOMPARE(model.level(Advantage::Avoidance), 0);
        QCOMPARE(view.result(), int(QDialog::Accepted));
        QCOMPARE(closer.seen.size(), 1);
    }
};

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
