// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Every dialog shape worked from the keyboard alone, as a player at the table does: Enter accepts
// with every value as shown, Escape cancels, Tab reaches every input, every input is named after
// its label, and a number typed out of range is refused with the value restored.

#include "GuiTestSupport.h"

#include "core/document/Commands.h"
#include "core/generation/AppearanceDialogs.h"
#include "core/generation/ArmorDialog.h"
#include "core/generation/CareerDialogs.h"
#include "core/generation/CharacterDetailsDialog.h"
#include "core/generation/OriginDialogs.h"
#include "core/npc/NpcRequestDialog.h"
#include "gui/dialogs/AdvantageAssignmentView.h"
#include "gui/dialogs/ChoiceDialogView.h"
#include "gui/dialogs/DialogLook.h"
#include "gui/dialogs/FormDialogView.h"
#include "gui/dialogs/ModelSpinBox.h"
#include "gui/dialogs/QtInteraction.h"
#include "gui/dialogs/SkillRollView.h"
#include "gui/dialogs/SkillSelectionView.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTreeWidget>

using namespace orthavel;

namespace {

// The inputs Tab visits, starting from the focus, once round the dialog.
QList<QWidget*> tabOrder() {
    QList<QWidget*> seen;
    for (int i = 0; i < 200; ++i) {
        QWidget* focus = QApplication::focusWidget();
        if (focus == nullptr || seen.contains(focus)) {
            break;
        }
        seen.append(focus);
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    return seen;
}

// Every input of a dialog, whatever takes the focus by Tab but a button: there are count of them,
// Tab reaches each and a screen reader can name it.
void everyInputIsReachedAndNamed(const QWidget& dialog, qsizetype count) {
    const QList<QWidget*> visited = tabOrder();
    qsizetype inputs = 0;
    for (QWidget* input : dialog.findChildren<QWidget*>()) {
        if (input->isVisible() && (input->focusPolicy() & Qt::TabFocus) != 0 &&
            input->focusProxy() == nullptr && qobject_cast<QAbstractButton*>(input) == nullptr) {
            ++inputs;
            QVERIFY2(visited.contains(input), qPrintable(input->accessibleName()));
            QVERIFY2(!input->accessibleName().isEmpty(), input->metaObject()->className());
        }
    }
    QCOMPARE(inputs, count);
}

} // namespace

class KeyboardTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // Push buttons in one column or two: Enter presses the focused one, Tab moves on, Escape
    // cancels, a button's underlined letter presses it, alone, with Shift or with Alt.
    void keysPressTheChoiceButtons() {
        const struct {
            ChoiceDialog dialog;
            int tabs;
            QKeyCombination key;
            std::optional<int> result;
        } cases[] = {
            {careerDialog(kSpecialistJobDialog), 0, Qt::Key_Return, 0},
            {careerDialog(kSpecialistJobDialog), 2, Qt::Key_Return, 10},
            {armorDialog(), 8, Qt::Key_Return, 8}, // the second column
            {armorDialog(), 0, Qt::Key_Escape, std::nullopt},
            {armorDialog(), 0, Qt::Key_H, 3}, // the letter first in its caption
            {armorDialog(), 0, Qt::ShiftModifier | Qt::Key_M, 9},
            {armorDialog(), 0, Qt::AltModifier | Qt::Key_D, 8},
        };
        for (const auto& c : cases) {
            ChoiceDialogView view(c.dialog);
            QVERIFY(opened(view));
            for (int i = 0; i < c.tabs; ++i) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            }
            QWidget* focus = QApplication::focusWidget();
            if (c.key.keyboardModifiers() == Qt::ShiftModifier) { // a keyboard types the capital
                QTest::keyClick(focus, static_cast<char>(c.key.key()), Qt::ShiftModifier);
            } else {
                QTest::keyClick(focus, c.key.key(), c.key.keyboardModifiers());
            }
            // Alt presses the button as a shortcut does, with a short animation.
            QTRY_VERIFY2(!view.isVisible(), qPrintable(QKeySequence(c.key).toString()));
            QCOMPARE(view.chosen(), c.result);
        }
    }

    // Radio buttons then OK, through the desktop Interaction: arrows move on from the first
    // button and select (Raidir, which makes a woman), a click selects another House and she stays
    // a woman; Enter on it accepts.
    void radioButtonsAreSelectedByArrowsAndClicks() {
        QtInteraction ui;
        whenOpen<ChoiceDialogView>([](ChoiceDialogView* view) {
            QVERIFY(opened(*view) && QApplication::focusWidget()->inherits("QRadioButton"));
            for (int i = 0; i < 6; ++i) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
            }
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
            for (auto* radio : view->findChildren<QRadioButton*>()) {
                if (radio->text().remove(QLatin1Char('&')).startsWith(QStringLiteral("Wayne"))) {
                    QTest::mouseClick(radio, Qt::LeftButton);
                }
            }
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        });
        const auto house = runHouseDialog(ui);
        QVERIFY(house.has_value() && house->professionName == "Monk");
        QCOMPARE(house->gender, "Female");
    }

    // A text in a drop-down that is none of its entries, typed or from the file, stays as it is
    // through Enter, which accepts the dialog at once; Escape leaves every value.
    void enterAcceptsAFormWithEveryFieldAsShown() {
        CharacterRecord record;
        record.m_strHeight = "5' 10\"";
        record.m_strSkinColor = "White";
        const struct {
            FormDialog dialog;
            const char* label;
            const char* typed;
        } cases[] = {
            {physicalTraitsDialog(30, 21, 300), "Eye Color:", "Silver-grey"},
            {physicalTraitsDialog(30, 21, 300), "Skin Color:", "Whit"},
            {characterDetailsDialog(record), "Height:", "5' 11\""},
            {characterDetailsDialog(record), "Skin Color:", ""}, // as the file has it
        };
        for (const auto& c : cases) {
            FormEntry entry(c.dialog);
            FormDialogView view(entry);
            QVERIFY(opened(view));
            const std::size_t field = *entry.findField(c.label);
            auto* list = qobject_cast<QComboBox*>(view.fieldWidget(field));
            list->setFocus();
            if (*c.typed != '\0') {
                list->lineEdit()->selectAll();
                QTest::keyClicks(list->lineEdit(), QString::fromUtf8(c.typed));
            }
            const QString shown = list->currentText();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QVERIFY2(!view.isVisible(), c.label);
            QCOMPARE(view.result(), static_cast<int>(QDialog::Accepted));
            QCOMPARE(QString::fromStdString(entry.text(field)), shown);
        }
        FormEntry entry(physicalTraitsDialog(30, 21, 300));
        FormDialogView view(entry);
        QVERIFY(opened(view));
        // With its list open, Enter picks the entry under the cursor and the dialog stays.
        auto* eyes = qobject_cast<QComboBox*>(view.fieldWidget(2));
        eyes->setFocus();
        QTest::keyClick(eyes, Qt::Key_Down, Qt::AltModifier);
        QTRY_VERIFY(eyes->view()->isVisible());
        QTest::keyClick(eyes->view(), Qt::Key_Down);
        QTest::keyClick(eyes->view(), Qt::Key_Return);
        QTRY_VERIFY(!eyes->view()->isVisible());
        QCOMPARE(eyes->currentText(), QStringLiteral("Brown"));
        QVERIFY(view.isVisible());
        everyInputIsReachedAndNamed(view, static_cast<qsizetype>(entry.fieldCount()));
        QCOMPARE(view.fieldWidget(2)->accessibleName(), QStringLiteral("Eye Color"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QCOMPARE(view.result(), static_cast<int>(QDialog::Rejected));
        // Enter on a focused button presses that button: Cancel cancels.
        FormEntry cancelled(characterDetailsDialog(record));
        FormDialogView cancelling(cancelled);
        QVERIFY(opened(cancelling));
        QPushButton* cancel = buttonCaptioned(cancelling, QStringLiteral("Cancel"));
        cancel->setFocus();
        QTest::keyClick(cancel, Qt::Key_Return);
        QCOMPARE(cancelling.result(), static_cast<int>(QDialog::Rejected));
    }

    // "Assign Advantages": a level typed out of the race's range is refused and the level shown
    // again; Enter accepts when the points are spent.
    void advantagesRefuseATypedLevelOutOfRange() {
        AdvantageAssignment model;
        model.open(kRaceKessari, 0, 103, {}, 300, 0);
        AdvantageAssignmentView view(model);
        QVERIFY(opened(view));
        everyInputIsReachedAndNamed(view, kAdvantageCount);
        ModelSpinBox* strength = view.box(0);
        QCOMPARE(strength->accessibleName(), QStringLiteral("Strength"));
        retype(strength, QStringLiteral("15"));
        QCOMPARE(strength->text(), QStringLiteral("15")); // typed whole
        QTest::keyClick(strength, Qt::Key_Tab);
        QCOMPARE(model.level(Advantage::Strength), 0);
        QCOMPARE(strength->text(), QStringLiteral("0"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(view.result(), static_cast<int>(QDialog::Accepted));
    }

    // "Choose Skills": 150, or any number of nine digits, typed into a rating box is shown, then
    // refused whole: the rating and the points stay; Enter in a list presses OK; Enter in a box
    // takes the number typed, then presses OK. Its Emphasis Levels button opens the display.
    void skillsRefuseATypedRatingOutOfRange() {
        SkillSelection model;
        SkillRatings ratings{};
        ratings[3] = 30; // Long Sword
        model.open(kRaceNeuonian, 103, 5, 0, ratings, 0);
        SkillSelectionView view(model);
        QVERIFY(opened(view) && view.list(SkillCategory::Combat)->count() == 25);
        everyInputIsReachedAndNamed(view, 2 * kSkillCategoryCount);
        QCOMPARE(view.box(SkillCategory::Travel)->accessibleName(),
                 QStringLiteral("Travel rating"));
        QCOMPARE(view.list(SkillCategory::Travel)->accessibleName(), QStringLiteral("Travel"));

        QComboBox* combat = view.list(SkillCategory::Combat);
        combat->setFocus();
        for (int i = 0; i < 4; ++i) {
            QTest::keyClick(combat, Qt::Key_Down); // Long Sword is the fourth entry
        }
        QCOMPARE(model.chosenEntry(SkillCategory::Combat), std::string_view("Long Sword"));
        ModelSpinBox* box = view.box(SkillCategory::Combat);
        for (const char* typed : {"150", "-1", "101", "999999999", "-999999999"}) {
            retype(box, QString::fromUtf8(typed));
            QCOMPARE(box->text(), QString::fromUtf8(typed));
            QTest::keyClick(box, Qt::Key_Tab);
            QCOMPARE(model.ratings()[3], 30);
            QCOMPARE(box->text(), QStringLiteral("30"));
            QCOMPARE(view.counter()->text(), QStringLiteral("Skill Points: 5"));
        }
        MessageBoxCloser closer;
        QTest::keyClick(combat->lineEdit(), Qt::Key_Return);
        QCOMPARE(closer.seen.size(), 1); // "Not Done Yet."
        QVERIFY(view.isVisible());
        QTest::keyClick(box, Qt::Key_Up); // the arrows step it: 31, 4 points left
        QCOMPARE(view.counter()->text(), QStringLiteral("Skill Points: 4"));
        retype(box, QStringLiteral("35"));
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(closer.seen.size(), 1);
        QCOMPARE(view.result(), static_cast<int>(QDialog::Accepted));
        QCOMPARE(model.ratings()[3], 35);
        QCOMPARE(view.counter()->text(), QStringLiteral("Skill Points: 0"));
        QString shown;
        whenOpen<QDialog>([&](QDialog* emphasis) {
            shown = emphasis->windowTitle();
            emphasis->accept();
        });
        buttonCaptioned(view, QStringLiteral("&Emphasis Levels"))->click();
        QCOMPARE(shown, QStringLiteral("Emphasis and Mastery"));
    }

    // A skill typed into its list and left is chosen as a pick chooses it; a text that names none
    // chooses nothing, and the list shows again the entry chosen before, but not while it is open.
    void aTypedSkillIsChosenOnlyWhenItNamesOne() {
        SkillSelection model;
        model.open(kRaceNeuonian, 103, 330, 0, SkillRatings{}, 0);
        SkillSelectionView view(model);
        QVERIFY(opened(view));
        QComboBox* combat = view.list(SkillCategory::Combat);
        for (const char* typed : {"long sword", "Long Swrd"}) {
            retype(combat->lineEdit(), QString::fromUtf8(typed));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("20"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(combat->currentText(), QStringLiteral("Long Sword"));
            QCOMPARE(view.counter()->text(), QStringLiteral("Skill Points: 310"));
        }
        retype(combat->lineEdit(), QStringLiteral("Qx")); // kept while its drop-down is open
        QTest::keyClick(combat->lineEdit(), Qt::Key_Down, Qt::AltModifier);
        QTRY_VERIFY(combat->view()->isVisible());
        QCOMPARE(combat->currentText(), QStringLiteral("Qx"));
        QTest::keyClick(combat->view(), Qt::Key_Escape);
        QCOMPARE(combat->currentText(), QStringLiteral("Qx"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); // and taken when left
        QCOMPARE(combat->currentText(), QStringLiteral("Long Sword"));
    }

    // New Random NPC: a screen reader names each drop-down after its label, not its value; every
    // question's buttons answer to letters of their own.
    void npcListsAreNamedAndQuestionsAnsweredByLetter() {
        FormEntry entry(npcRequestDialog({}));
        FormDialogView view(entry);
        QVERIFY(opened(view) && view.findChildren<QComboBox*>().size() == 4);
        for (auto* list : view.findChildren<QComboBox*>()) {
            list->setFocus();
            const auto* focus = QAccessible::queryAccessibleInterface(list)->focusChild();
            QVERIFY(!list->accessibleName().isEmpty());
            QCOMPARE(focus->text(QAccessible::Name), list->accessibleName());
        }

        applyWindowRules();
        QStringList letters;
        QtInteraction ui;
        for (const auto& [letter, answer] :
             {std::pair(Qt::Key_D, SaveAnswer::Discard), std::pair(Qt::Key_S, SaveAnswer::Save)}) {
            letters.clear();
            whenOpen<QMessageBox>([&letters, letter](QMessageBox* box) {
                for (const auto* button : box->buttons()) {
                    letters.append(button->text());
                }
                QVERIFY(opened(*box));
                QTest::keyClick(QApplication::focusWidget(), letter, Qt::AltModifier);
                if (!QTest::qWaitFor([box] { return !box->isVisible(); }, 1000)) {
                    box->reject();
                }
            });
            QCOMPARE(ui.askSaveChanges("hero.ksc"), answer);
        }
        letters.sort();
        QCOMPARE(letters.join(QLatin1Char(' ')), QStringLiteral("&Cancel &Discard &Save"));
    }

    // "Roll Against Skill" by keyboard alone: part of a name, Tab, the difficulty, Enter; the roll
    // is made on the rating less the difficulty and the character is left as it was. Up and Down
    // in the filter choose from the list; Enter on a difficulty out of range is refused. A skill
    // clicked shows its base number; double-clicked, it is rolled on.
    void rollAgainstASkillByKeyboardAlone() {
        CQuorvelDoc doc;
        QVERIFY(doc.OnOpenDocument(ORTHAVEL_TEST_DATA "/sample_kessari.ksc"));
        const CharacterRecord before = doc.record();
        QString base;
        whenOpen<SkillRollView>([&](SkillRollView* view) {
            QVERIFY(opened(*view));
            QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("longsw"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("20"));
            base = view->baseNumber()->text();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        });
        MessageBoxCloser closer;
        doc.dice().queueRolls({57});
        QtInteraction ui;
        doc.runCommand(command(CommandId::RollAgainstSkill), ui);
        QCOMPARE(base, QStringLiteral("Base Number: 5")); // Long Sword 25 - 20
        QCOMPARE(closer.seen.size(), 2);
        QCOMPARE(closer.seen[0].text, QStringLiteral("You rolled a: 57."));
        QCOMPARE(closer.seen[1].text, QStringLiteral("62  Success: D  You did it! Your adventuring "
                                                     "group admits their need for you."));
        QVERIFY(doc.record() == before && !doc.IsModified() && !doc.history().canUndo());

        SkillRoll model(doc.record());
        SkillRollView view(model);
        QVERIFY(opened(view));
        everyInputIsReachedAndNamed(view, 3);
        view.filter()->setFocus();
        QTest::keyClick(view.filter(), Qt::Key_Down); // from Stilletto
        QCOMPARE(view.baseNumber()->text(), QStringLiteral("Base Number: 25"));
        QCOMPARE(model.chosen()->name, std::string("Long Sword"));
        retype(view.difficulty(), QStringLiteral("1001"));
        QTest::keyClick(view.difficulty(), Qt::Key_Return);
        QCOMPARE(closer.seen.size(), 3);
        QCOMPARE(closer.seen[2].text,
                 QStringLiteral("Please enter an integer between -1000 and 1000."));
        QVERIFY(view.isVisible() && view.focusWidget() == view.difficulty());
        QTest::keyClick(view.difficulty(), Qt::Key_Escape);
        QCOMPARE(view.result(), static_cast<int>(QDialog::Rejected));
        // Opened on a line of the sheet, the difficulty waits selected: typing replaces it.
        SkillRoll onLine(doc.record(), *skillIndexByName("Long Sword"));
        SkillRollView given(onLine);
        QVERIFY(opened(given));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("-5"));
        QCOMPARE(given.baseNumber()->text(), QStringLiteral("Base Number: 30"));
        QTest::keyClick(given.difficulty(), Qt::Key_Up); // the arrows step it
        QCOMPARE(given.baseNumber()->text(), QStringLiteral("Base Number: 29"));
        const QPoint row = given.list()->visualItemRect(given.list()->topLevelItem(6)).center();
        QTest::mouseClick(given.list()->viewport(), Qt::LeftButton, {}, row); // another skill
        QCOMPARE(given.baseNumber()->text(), QStringLiteral("Base Number: 25"));
        QTest::mouseDClick(given.list()->viewport(), Qt::LeftButton, {}, row); // rolled on
        QCOMPARE(given.result(), static_cast<int>(QDialog::Accepted));
    }

    // A megabyte of text in a message box is cut, and whole in its details (how a box looks:
    // dialog_look_test).
    void aHugeMessageIsCut() {
        // A word cut before a character of two UTF-16 units, a line of short words, a megabyte.
        const std::string huge = std::string(79, 'a') + "\xF0\x9F\x8E\xB2 " +
                                 std::string(3000, ' ') + "\n" + std::string(1 << 20, 'a');
        QStringList texts;
        QString details;
        QSize size;
        whenOpen<QMessageBox>([&](QMessageBox* box) {
            texts = labelTexts(*box);
            details = box->detailedText();
            size = box->frameGeometry().size();
            box->accept();
        });
        showMessageBox(nullptr, {"Birthday", huge, true});
        QVERIFY(!texts.contains(QStringLiteral("Birthday")));
        QCOMPARE(texts.value(1).section(QLatin1Char('\n'), 0, 0).size(), 1001);
        QVERIFY(texts.value(1).startsWith(QString(79, QLatin1Char('a')) + QChar(0x2026)));
        QCOMPARE(details, QString::fromStdString(huge));
        QVERIFY(QGuiApplication::primaryScreen()->availableSize().boundedTo(size) == size);
    }
};

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
