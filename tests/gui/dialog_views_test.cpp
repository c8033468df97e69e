// The generic choice dialog and the number prompt: clicks, refusals; Escape in every dialog; the
// desktop Interaction running the real dialogs.

#include "GuiTestSupport.h"

#include "core/advantages/AdvantageAssignment.h"
#include "core/dialogs/ArmorDialog.h"
#include "core/dialogs/ChoiceDialog.h"
#include "core/dialogs/NumberPrompt.h"
#include "core/document/CQuorvelDoc.h"
#include "core/skills/SkillSelection.h"
#include "gui/dialogs/AdvantageAssignmentView.h"
#include "gui/dialogs/ChoiceDialogView.h"
#include "gui/dialogs/ModelSpinBox.h"
#include "gui/dialogs/NumberPromptView.h"
#include "gui/dialogs/QtInteraction.h"
#include "gui/dialogs/SkillSelectionView.h"

#include <QLineEdit>
#include <QTest>

using namespace orthavel;

namespace {

NumberPrompt baseNumberPrompt() {
    return {.title = "ROC Roll",
            .label = "Base Number:",
            .texts = {"Enter the base number of the roll."},
            .initial = 50,
            .minimum = 1,
            .maximum = 100,
            .notes = {}};
}

} // namespace

class DialogViewsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void buttonsStandInColumns() {
        ChoiceDialogView view(armorDialog());
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        const QPushButton* none = buttonCaptioned(view, QStringLiteral("&None"));
        const QPushButton* padding = buttonCaptioned(view, QStringLiteral("P&adding"));
        const QPushButton* chainmail = buttonCaptioned(view, QStringLiteral("&Full Chainmail"));
        QVERIFY(none->x() == padding->x() && padding->y() > none->y());
        QVERIFY(chainmail->x() > none->x() && chainmail->y() == none->y());
        QCOMPARE(view.palette().color(QPalette::Window), QColor(192, 192, 192));
        QCOMPARE(view.palette().color(QPalette::WindowText), QColor(Qt::black));
    }

    void mnemonicLetterPressesItsButton() {
        const struct {
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
            int result;
        } cases[] = {{Qt::Key_U, Qt::NoModifier, 4},
                     {Qt::Key_I, Qt::NoModifier, 11},
                     {Qt::Key_M, Qt::ShiftModifier, 9},
                     {Qt::Key_D, Qt::AltModifier, 8}};
        for (const auto& c : cases) {
            ChoiceDialogView view(armorDialog());
            view.show();
            QVERIFY(QTest::qWaitForWindowActive(&view));
            QTest::keyClick(&view, c.key, c.modifiers);
            // Alt presses the button as a shortcut does, with a short animation.
            QTRY_VERIFY2(view.chosen() == std::optional<int>(c.result),
                         qPrintable(QKeySequence(c.key | c.modifiers).toString()));
        }
    }

    void escapeCancels() {
        ChoiceDialogView choice(armorDialog());
        NumberPromptView prompt(baseNumberPrompt());
        AdvantageAssignment advantages;
        advantages.open(kRaceKessari, 0, 103, {}, 300, 1);
        AdvantageAssignmentView advantagesView(advantages);
        SkillSelection skills;
        skills.open(kRaceKessari, 0, 12, 0, {}, 0);
        SkillSelectionView skillsView(skills);
        for (QDialog* view :
             std::initializer_list<QDialog*>{&choice, &prompt, &advantagesView, &skillsView}) {
            view->show();
            QTest::keyClick(view, Qt::Key_Escape);
            QVERIFY(!view->isVisible());
            QCOMPARE(view->result(), static_cast<int>(QDialog::Rejected));
        }
        QCOMPARE(choice.chosen(), std::nullopt);
        QCOMPARE(prompt.number(), std::nullopt);
    }

    void refusedClickShowsWhyAndStays() {
        ChoiceDialog dialog;
        dialog.title = "Pick";
        dialog.texts = {"Choose well."};
        dialog.columns = {{{"&Yes", 1}, {"&No", 2}}};
        dialog.refusal = [](int result) -> std::optional<Message> {
            return result == 2 ? std::optional<Message>(Message{"Rules Tip", "Not that one.", true})
                               : std::nullopt;
        };
        ChoiceDialogView view(dialog);
        view.show();
        QCOMPARE(labelTexts(view).value(0), QStringLiteral("Choose well."));
        MessageBoxCloser closer;
        QTest::mouseClick(buttonCaptioned(view, QStringLiteral("&No")), Qt::LeftButton);
        QCOMPARE(closer.seen.size(), 1);
        QCOMPARE(closer.seen[0].caption, QStringLiteral("Rules Tip"));
        QCOMPARE(closer.seen[0].text, QStringLiteral("Not that one."));
        QCOMPARE(closer.seen[0].icon, QMessageBox::Warning);
        QVERIFY(view.isVisible());
        QCOMPARE(view.chosen(), std::nullopt);

        QTest::mouseClick(buttonCaptioned(view, QStringLiteral("&Yes")), Qt::LeftButton);
        QCOMPARE(view.chosen(), std::optional<int>(1));
        QCOMPARE(closer.seen.size(), 1);
    }

    // The desktop's Interaction: a choice, a number prompt, the advantage dialog and a message,
    // each in its real dialog, the answers reaching the document.
    void interactionRunsTheRealDialogs() {
        QtInteraction ui;
        whenOpen<ChoiceDialogView>([](ChoiceDialogView* view) {
            QTest::mouseClick(buttonCaptioned(*view, QStringLiteral("&Double Mail")),
                              Qt::LeftButton);
        });
        QCOMPARE(ui.runChoice(armorDialog()), std::optional<int>(8));
        whenOpen<ChoiceDialogView>([](ChoiceDialogView* view) { view->reject(); });
        QCOMPARE(ui.runChoice(armorDialog()), std::nullopt);

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
        doc.OnUpdateAdvantages(ui);
        QCOMPARE(doc.record().m_aAdvantage[0], strength + 1);
        // Without the exclamation, a message box has no icon (with it: refusedClickShowsWhy...).
        QCOMPARE(closer.seen.size(), 1);
        QCOMPARE(closer.seen[0].caption, QStringLiteral("Don't Forget"));
        QCOMPARE(closer.seen[0].text, QStringLiteral("Don't forget to save your character."));
        QCOMPARE(closer.seen[0].icon, QMessageBox::NoIcon);
    }

    // A number out of range is refused and selected for retyping (one in range: the test above).
    void numberPromptRefusesANumberOutOfRange() {
        NumberPromptView view(baseNumberPrompt());
        view.show();
        QVERIFY(QTest::qWaitForWindowActive(&view));
        QCOMPARE(view.field()->text(), QStringLiteral("50"));
        view.field()->setText(QStringLiteral("101"));
        MessageBoxCloser closer;
        QTest::mouseClick(view.okButton(), Qt::LeftButton);
        QCOMPARE(view.number(), std::nullopt);
        QVERIFY(view.isVisible());
        QCOMPARE(closer.seen.size(), 1);
        QCOMPARE(closer.seen[0].text, QStringLiteral("Please enter an integer between 1 and 100."));
        QCOMPARE(view.field()->selectedText(), QStringLiteral("101"));
        QCOMPARE(view.focusWidget(), view.field());
    }
};

QTEST_MAIN(DialogViewsTest)
#include "dialog_views_test.moc"
