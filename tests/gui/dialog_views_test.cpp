// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The generic choice dialog and the form: clicks, fields, refusals, texts shown as written (how
// they look: dialog_look_test).

#include "GuiTestSupport.h"

#include "core/generation/CreationDialogs.h"
#include "core/interaction/NumberPrompt.h"
#include "gui/app/RecoveryFile.h"
#include "gui/dialogs/ChoiceDialogView.h"
#include "gui/dialogs/FormDialogView.h"
#include "gui/dialogs/QtInteraction.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QTest>

using namespace orthavel;

namespace {

FormDialog baseNumberPrompt() {
    return numberPromptForm({.title = "ROC Roll",
                             .label = "Base Number:",
                             .texts = {"Enter the base number of the roll."},
                             .initial = 50,
                             .minimum = 1,
                             .maximum = 100,
                             .notes = {}});
}

template <typename T> T* fieldOf(const FormDialogView& view, std::size_t field) {
    return qobject_cast<T*>(view.fieldWidget(field));
}

} // namespace

class DialogViewsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void formFieldsKeepTheirRules() {
        FormEntry traits(physicalTraitsDialog(16, 21, 300));
        FormDialogView view(traits);
        QVERIFY(opened(view));
        auto* age = fieldOf<QSpinBox>(view, 0);
        QCOMPARE(age->text(), QStringLiteral("16"));
        // Leaving the field brings a typed age into range (the rule: the core's tests).
        retype(age, QStringLiteral("5"));
        fieldOf<QLineEdit>(view, 1)->setFocus();
        QCOMPARE(age->text(), QStringLiteral("21"));
        QTest::keyClick(age, Qt::Key_Up);
        QCOMPARE(age->text(), QStringLiteral("22"));

        auto* birth = fieldOf<QLineEdit>(view, 1);
        for (auto [typed, state] :
             {std::pair(QStringLiteral("1\u65E5"), QValidator::Invalid),
              std::pair(QStringLiteral("a\u0001"), QValidator::Invalid),
              std::pair(QStringLiteral("\u20AC\u00E9"), QValidator::Acceptable)}) {
            int position = 0;
            QCOMPARE(birth->validator()->validate(typed, position), state);
        }
        QTest::keyClicks(birth, QStringLiteral("12 Spring"));
        auto* height = fieldOf<QComboBox>(view, 6);
        QCOMPARE(height->currentText(), QStringLiteral("5' 10\""));
        height->setCurrentText(QStringLiteral("6' 2\""));
        QTest::mouseClick(view.okButton(), Qt::LeftButton);
        QCOMPARE(view.result(), static_cast<int>(QDialog::Accepted));
        QCOMPARE(traits.number(0), 22);
        QCOMPARE(traits.value(1), "12 Spring");
        QCOMPARE(traits.value(6), "6' 2\"");

        // A window closed while a field has the focus hands that field to no one.
        auto* open = new FormDialogView(traits);
        QVERIFY(opened(*open));
        delete open;
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
        QVERIFY(view.isVisible() && view.chosen() == std::nullopt);

        QTest::mouseClick(buttonCaptioned(view, QStringLiteral("&Yes")), Qt::LeftButton);
        QCOMPARE(view.chosen(), std::optional<int>(1));
        QCOMPARE(closer.seen.size(), 1);
    }

    // A text from a file, a script or the player that looks like HTML is shown as it is, neither
    // bold nor a picture: in messages, the save and restore questions and the dialogs' texts.
    void textsThatLookLikeHtmlAreShownAsTheyAre() {
        const QString html =
            QStringLiteral("<img src=\"/x.png\" width=\"3000\" height=\"3000\"><b>Bold</b>");
        QList<Qt::TextFormat> formats;
        const auto closeNext = [&formats] {
            whenOpen<QMessageBox>([&formats](QMessageBox* box) {
                formats.append(box->textFormat());
                static_cast<QDialog*>(box)->done(0);
            });
        };
        QtInteraction ui;
        closeNext();
        ui.showMessage({"Birthday", html.toStdString(), false});
        closeNext();
        ui.askSaveChanges(html.toStdString());
        closeNext();
        askRestore(nullptr, html);

        FormDialog form{"Family Trade and Background", {html.toStdString()}, {}, {}, {}, true};
        FormEntry entry(form);
        ChoiceDialog choice;
        choice.title = "Pick";
        choice.texts = {html.toStdString()};
        choice.columns = {{{"&Yes", 1}}};
        const FormDialogView formView(entry);
        const ChoiceDialogView choiceView(choice);
        for (const QWidget* view : std::initializer_list<const QWidget*>{&formView, &choiceView}) {
            for (const auto* label : view->findChildren<QLabel*>()) {
                if (label->text() == html) {
                    formats.append(label->textFormat());
                }
            }
        }
        QCOMPARE(formats, QList<Qt::TextFormat>(5, Qt::PlainText));
    }

    // Which numbers the prompt takes: the core's tests; here, that a refusal keeps the dialog,
    // the focus and the typed text selected, and that OK hands on the number.
    void numberPromptTakesOnlyNumbersInRange() {
        FormEntry entry(baseNumberPrompt());
        FormDialogView view(entry);
        QVERIFY(opened(view));
        auto* field = fieldOf<QLineEdit>(view, 0);
        QCOMPARE(field->selectedText(), QStringLiteral("50"));
        MessageBoxCloser closer;
        field->setText(QStringLiteral("101"));
        QTest::mouseClick(view.okButton(), Qt::LeftButton);
        QCOMPARE(closer.seen.size(), 1);
        QCOMPARE(closer.seen[0].text, QStringLiteral("Please enter an integer between 1 and 100."));
        QVERIFY(view.isVisible() && view.focusWidget() == field);
        QCOMPARE(field->selectedText(), QStringLiteral("101"));
        field->setText(QStringLiteral(" 42 "));
        QTest::mouseClick(view.okButton(), Qt::LeftButton);
        QCOMPARE(closer.seen.size(), 1);
        QCOMPARE(view.result(), static_cast<int>(QDialog::Accepted));
        QCOMPARE(entry.number(0), 42);
    }
};

QTEST_MAIN(DialogViewsTest)
#include "dialog_views_test.moc"
