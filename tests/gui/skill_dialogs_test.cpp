// The advantage, skill and emphasis dialogs: every arrow, pick and click reaches the core model,
// counters follow, refused OKs keep the dialog open, Escape cancels.

#include "core/advantages/AdvantageAssignment.h"
#include "core/document/CQuorvelDoc.h"
#include "core/skills/EmphasisDisplay.h"
#include "core/skills/SkillSelection.h"
#include "gui/dialogs/AdvantageAssignmentView.h"
#include "gui/dialogs/ModelSpinBox.h"
#include "gui/dialogs/QtInteraction.h"
#include "gui/dialogs/SkillSelectionView.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <algorithm>

using namespace orthavel;

namespace {

// Closes every message box that opens while it lives, with OK, and keeps what it said.
class MessageBoxCloser : public QObject {
public:
    QStringList captions;
    QStringList texts;

    MessageBoxCloser() {
        connect(&m_timer, &QTimer::timeout, this, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                captions.append(box->windowTitle());
                texts.append(box->text());
                box->button(QMessageBox::Ok)->click();
            }
        });
        m_timer.start(5);
    }

private:
    QTimer m_timer;
};

// Runs action once a modal dialog of type T is up.
template <typename T, typename Action> void whenOpen(Action action) {
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, action] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            action(dialog);
        }
    });
    timer->start(5);
}

QPushButton* buttonCaptioned(const QWidget& view, const QString& caption) {
    for (auto* button : view.findChildren<QPushButton*>()) {
        if (button->text() == caption) {
            return button;
        }
    }
    return nullptr;
}

QStringList labelTexts(const QWidget& view) {
    QStringList texts;
    for (auto* label : view.findChildren<QLabel*>()) {
        texts.append(label->text());
    }
    return texts;
}

// Types into a box and leaves it with Tab, which commits the text.
void typeInto(ModelSpinBox* box, const QString& text) {
    box->window()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(box->window()));
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Tab);
}

} // namespace

class SkillDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void assignAdvantagesShowsTheModel() {
        AdvantageAssignment model;
        AdvantageLevels levels{};
        levels[7] = 3; // Logic
        model.open(kRaceNeuonian, 0, 103, levels, 300, 2);
        AdvantageAssignmentView view(model);
        QCOMPARE(view.windowTitle(), QStringLiteral("Assign Advantages"));
        const QStringList texts = labelTexts(view);
        for (const auto& info : kAdvantages) {
            QVERIFY(texts.contains(
                QString::fromUtf8(info.label.data(), static_cast<qsizetype>(info.label.size()))));
        }
        QVERIFY(texts.contains(QStringLiteral("Advantages modify a character's limits, these are "
                                              "attributes in which your character")));
        QVERIFY(texts.contains(
            QStringLiteral("is above the norm.  You may trade 25 Skill Points for 1 Advantage.")));
        QCOMPARE(view.box(7)->value(), 3);
        QCOMPARE(view.box(6)->maximum(), 8); // a Neuonian's Awareness
        QCOMPARE(view.advantageCounter()->text(), QStringLiteral("Advantages: 2"));
        QCOMPARE(view.skillCounter()->text(), QStringLiteral("Skill Points: 300"));

        // Three columns of five: Strength above Agility, Comprehension right of Strength.
        view.show();
        QVERIFY(view.box(0)->x() < view.box(5)->x());
        QVERIFY(view.box(5)->x() < view.box(10)->x());
        QVERIFY(view.box(0)->y() < view.box(1)->y());
        QCOMPARE(view.box(4)->y(), view.box(14)->y());

        // The three buttons, left to right.
        auto buttons = view.findChildren<QPushButton*>();
        std::sort(buttons.begin(), buttons.end(), [](auto* a, auto* b) { return a->x() < b->x(); });
        QCOMPARE(buttons.size(), 3);
        QCOMPARE(buttons[0]->text(), QStringLiteral("Advantages -> Skill Pts"));
        QCOMPARE(buttons[1]->text(), QStringLiteral("OK"));
        QCOMPARE(buttons[2]->text(), QStringLiteral("Skill Pts -> Advantages"));
    }

    void arrowsTypingAndTradesUpdateTheCounters() {
        AdvantageAssignment model;
        model.open(kRaceKessari, 0, 103, {}, 300, 1);
        AdvantageAssignmentView view(model);
        view.show();
        QTest::keyClick(view.box(0), Qt::Key_Up);
        QCOMPARE(model.level(0), 1);
        QCOMPARE(view.advantageCounter()->text(), QStringLiteral("Advantages: 0"));
        QTest::keyClick(view.box(0), Qt::Key_Up);
        QCOMPARE(view.skillCounter()->text(), QStringLiteral("Skill Points: 275"));
        QCOMPARE(view.box(0)->value(), 2);

        typeInto(view.box(14), QStringLiteral("-2"));
        QCOMPARE(model.level(14), -2);
        QCOMPARE(view.advantageCounter()->text(), QStringLiteral("Advantages: 2"));

        buttonCaptioned(view, QStringLiteral("Advantages -> Skill Pts"))->click();
        QCOMPARE(view.advantageCounter()->text(), QStringLiteral("Advantages: 1"));
        QCOMPARE(view.skillCounter()->text(), QStringLiteral("Skill Points: 300"));
        buttonCaptioned(view, QStringLiteral("Skill Pts -> Advantages"))->click();
        QCOMPARE(view.skillCounter()->text(), QStringLiteral("Skill Points: 275"));

        // The arrow stops at the Kessari maximum of 3.
        for (int i = 0; i < 8; ++i) {
            QTest::keyClick(view.box(14), Qt::Key_Up);
        }
        QCOMPARE(model.level(14), 3);
        QCOMPARE(view.box(14)->value(), 3);
    }

    void aRefusedOkKeepsTheDialogOpenAndEscapeCancels() {
        AdvantageAssignment model;
        model.open(kRaceKessari, 0, 103, {}, 300, 1);
        AdvantageAssignmentView view(model);
        view.show();
        MessageBoxCloser closer;
        buttonCaptioned(view, QStringLiteral("OK"))->click();
        QCOMPARE(closer.captions, QStringList{QStringLiteral("Advantage Warning")});
        QVERIFY(view.isVisible());
        QCOMPARE(model.advantagePoints(), 1);

        QTest::keyClick(&view, Qt::Key_Escape);
        QVERIFY(!view.isVisible());
        QCOMPARE(view.result(), int(QDialog::Rejected));
    }

    void aTypedLevelIsCommittedByOk() {
        AdvantageAssignment model;
        model.open(kRaceKessari, 0, 103, {}, 300, 1);
        AdvantageAssignmentView view(model);
        view.show();
        view.activateWindow();
        view.box(7)->setFocus();
        view.box(7)->selectAll();
        QTest::keyClicks(view.box(7), QStringLiteral("1"));
        buttonCaptioned(view, QStringLiteral("OK"))->click();
        QCOMPARE(model.level(7), 1);
        QCOMPARE(view.result(), int(QDialog::Accepted));
    }

    void chooseSkillsShowsThirteenRowsInTwoColumns() {
        SkillSelection model;
        SkillRatings ratings{};
        ratings[3] = 30;
        model.open(kRaceNeuonian, 103, 20, 0, ratings, 0);
        SkillSelectionView view(model);
        view.show();
        QCOMPARE(view.windowTitle(), QStringLiteral("Choose Skills"));
        QCOMPARE(view.list(SkillCategory::Combat)->count(), 25);
        QCOMPARE(view.list(SkillCategory::Combat)->itemText(14), QStringLiteral("Brawling"));
        QCOMPARE(view.list(SkillCategory::Religion)->itemText(3),
                 QStringLiteral("Theology (Morning Light)"));
        QCOMPARE(view.list(SkillCategory::Magic)->count(), 63);
        QVERIFY(view.list(SkillCategory::Combat)->currentText().isEmpty());
        QCOMPARE(view.box(SkillCategory::Travel)->maximum(), 100);
        // Magic is the last of the left column, Myth and Lore heads the right one.
        QCOMPARE(view.list(SkillCategory::MythAndLore)->y(), view.list(SkillCategory::Combat)->y());
        QVERIFY(view.list(SkillCategory::MythAndLore)->x() > view.box(SkillCategory::Magic)->x());
        QVERIFY(view.list(SkillCategory::Magic)->y() > view.list(SkillCategory::Travel)->y());
        QCOMPARE(view.counter()->text(), QStringLiteral("Skill Points: 20"));
        QVERIFY(buttonCaptioned(view, QStringLiteral("&Emphasis Levels")) != nullptr);
        const QStringList texts = labelTexts(view);
        QVERIFY(texts.contains(
            QStringLiteral("Higher skills can be purchased during character generation.")));
        QVERIFY(texts.contains(QStringLiteral(
            "Check you Emphasis Levels to see if you have the minimums for your job.")));
        QVERIFY(texts.contains(QStringLiteral("Myth and Lore:")));
    }

    void pickingArrowsAndTypingChargeTheSkillPoints() {
        SkillSelection model;
        SkillRatings ratings{};
        ratings[3] = 30; // Long Sword
        model.open(kRaceNeuonian, 103, 20, 0, ratings, 0);
        SkillSelectionView view(model);
        view.show();
        QComboBox* combat = view.list(SkillCategory::Combat);
        combat->setFocus();
        QTest::keyClick(combat, Qt::Key_Down); // Stilletto
        QTest::keyClick(combat, Qt::Key_Down);
        QTest::keyClick(combat, Qt::Key_Down);
        QTest::keyClick(combat, Qt::Key_Down); // Long Sword
        QCOMPARE(model.chosenEntry(SkillCategory::Combat), std::string_view("Long Sword"));
        QCOMPARE(view.box(SkillCategory::Combat)->value(), 30);
        QCOMPARE(view.counter()->text(), QStringLiteral("Skill Points: 20"));

        for (int i = 0; i < 5; ++i) {
            QTest::keyClick(view.box(SkillCategory::Combat), Qt::Key_Up);
        }
        QCOMPARE(model.ratings()[3], 35);
        QCOMPARE(view.counter()->text(), QStringLiteral("Skill Points: 15"));
        typeInto(view.box(SkillCategory::Combat), QStringLiteral("20"));
        QCOMPARE(model.ratings()[3], 20);
        QCOMPARE(view.counter()->text(), QStringLiteral("Skill Points: 30"));

        // A box without a chosen entry changes no rating.
        QTest::keyClick(view.box(SkillCategory::Magic), Qt::Key_Up);
        QCOMPARE(view.box(SkillCategory::Magic)->value(), 1);
        QCOMPARE(view.counter()->text(), QStringLiteral("Skill Points: 30"));

        // Text typed into a list's edit field chooses nothing; its Return presses OK, which is
        // refused while points are left.
        MessageBoxCloser closer;
        QComboBox* religion = view.list(SkillCategory::Religion);
        religion->setFocus();
        QTest::keyClicks(religion->lineEdit(), QStringLiteral("Order"));
        QTest::keyClick(religion->lineEdit(), Qt::Key_Return);
        QTest::qWait(20);
        QVERIFY(model.chosenEntry(SkillCategory::Religion).empty());
        QCOMPARE(closer.captions, QStringList{QStringLiteral("Not Done Yet.")});
        QVERIFY(view.isVisible());
    }

    void refusedOkShowsTheMessageAndEmphasisLevelsOpensTheDisplay() {
        SkillSelection model;
        model.open(kRaceKessari, 0, 12, 0, {}, 0); // a Medic needs Archaic Science 4
        SkillSelectionView view(model);
        view.show();
        MessageBoxCloser closer;
        buttonCaptioned(view, QStringLiteral("OK"))->click();
        QCOMPARE(closer.captions, QStringList{QStringLiteral("Required Masteries Not Correct")});
        QCOMPARE(closer.texts, QStringList{QStringLiteral(
                                   "You have Archaic Science:0   You need Archaic Science:4")});
        QVERIFY(view.isVisible());

        bool shown = false;
        whenOpen<QDialog>([&](QDialog* emphasis) {
            shown = emphasis->windowTitle() == QStringLiteral("Emphasis and Mastery");
            emphasis->accept();
        });
        buttonCaptioned(view, QStringLiteral("&Emphasis Levels"))->click();
        QVERIFY(shown);

        QTest::keyClick(&view, Qt::Key_Escape);
        QCOMPARE(view.result(), int(QDialog::Rejected));
    }

    void theUpdateCommandsRunTheRealDialogs() {
        CQuorvelDoc doc;
        doc.record().m_nSkillPoints = 0;
        doc.record().m_nAdvantagePoints = 0;
        QtInteraction ui;
        // "Update Advantages": 1 new point, then raise Strength and OK.
        whenOpen<QDialog>([](QDialog* prompt) {
            auto* field = prompt->findChild<QLineEdit*>();
            field->setText(QStringLiteral("1"));
            buttonCaptioned(*prompt, QStringLiteral("OK"))->click();
            whenOpen<AdvantageAssignmentView>([](AdvantageAssignmentView* view) {
                QTest::keyClick(view->box(0), Qt::Key_Up);
                buttonCaptioned(*view, QStringLiteral("OK"))->click();
            });
        });
        MessageBoxCloser closer;
        const auto strength = doc.record().m_aAdvantage[0];
        doc.OnUpdateAdvantages(ui);
        QCOMPARE(doc.record().m_aAdvantage[0], strength + 1);
        QVERIFY(doc.IsModified());
        QCOMPARE(closer.captions.last(), QStringLiteral("Don't Forget"));
    }
};

QTEST_MAIN(SkillDialogsTest)
#include "skill_dialogs_test.moc"
