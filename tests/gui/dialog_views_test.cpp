// The generic choice dialog and the number prompt: clicks, refusals, Escape.

#include "core/dialogs/ArmorDialog.h"
#include "core/dialogs/ChoiceDialog.h"
#include "core/dialogs/NumberPrompt.h"
#include "gui/dialogs/ChoiceDialogView.h"
#include "gui/dialogs/NumberPromptView.h"
#include "gui/dialogs/QtInteraction.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

using namespace orthavel;

namespace {

// Closes every message box that opens while it lives, with OK, and keeps what it said.
class MessageBoxCloser : public QObject {
public:
    struct Seen {
        QString caption;
        QString text;
        QMessageBox::Icon icon;
    };
    QList<Seen> seen;

    MessageBoxCloser() {
        connect(&m_timer, &QTimer::timeout, this, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                seen.append({box->windowTitle(), box->text(), box->icon()});
                box->button(QMessageBox::Ok)->click();
            }
        });
        m_timer.start(5);
    }

private:
    QTimer m_timer;
};

// Runs action once the modal dialog of type T is up.
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

NumberPrompt baseNumberPrompt() {
    NumberPrompt prompt;
    prompt.title = "ROC Roll";
    prompt.label = "Base Number:";
    prompt.texts = {"Enter the base number of the roll."};
    prompt.initial = 50;
    prompt.minimum = 1;
    prompt.maximum = 100;
    return prompt;
}

} // namespace

class DialogViewsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void clickAcceptsWithTheButtonsResult() {
        const ChoiceDialog armor = armorDialog();
        const struct {
            const char* caption;
            int result;
        } cases[] = {{"&None", 0},
                     {"St&udded Leather", 4},
                     {"&Plated Leather", 6},
                     {"&Full Chainmail", 7},
                     {"F&ield Plate", 11}};
        for (const auto& c : cases) {
            ChoiceDialogView view(armor);
            view.show();
            QCOMPARE(view.windowTitle(), QStringLiteral("Choose a set of Armor"));
            QPushButton* button = buttonCaptioned(view, QString::fromUtf8(c.caption));
            QVERIFY2(button != nullptr, c.caption);
            QTest::mouseClick(button, Qt::LeftButton);
            QCOMPARE(view.result(), static_cast<int>(QDialog::Accepted));
            QCOMPARE(view.chosen(), std::optional<int>(c.result));
            QVERIFY(!view.isVisible());
        }
    }

    void buttonsStandInColumns() {
        ChoiceDialogView view(armorDialog());
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        const QPushButton* none = buttonCaptioned(view, QStringLiteral("&None"));
        const QPushButton* padding = buttonCaptioned(view, QStringLiteral("P&adding"));
        const QPushButton* chainmail = buttonCaptioned(view, QStringLiteral("&Full Chainmail"));
        QCOMPARE(none->x(), padding->x());
        QVERIFY(padding->y() > none->y());
        QVERIFY(chainmail->x() > none->x());
        QCOMPARE(chainmail->y(), none->y());
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
        ChoiceDialogView view(armorDialog());
        view.show();
        QTest::keyClick(&view, Qt::Key_Escape);
        QCOMPARE(view.result(), static_cast<int>(QDialog::Rejected));
        QCOMPARE(view.chosen(), std::nullopt);
    }

    void refusedClickShowsWhyAndStays() {
        ChoiceDialog dialog;
        dialog.title = "Pick";
        dialog.texts = {"Choose well."};
        dialog.columns = {{{"&Yes", 1}, {"&No", 2}}};
        dialog.refusal = [](int result) -> std::optional<Message> {
            if (result == 2) {
                return Message{"Rules Tip", "Not that one.", true};
            }
            return std::nullopt;
        };
        ChoiceDialogView view(dialog);
        view.show();
        QVERIFY(!view.findChildren<QLabel*>().isEmpty());
        QCOMPARE(view.findChildren<QLabel*>().first()->text(), QStringLiteral("Choose well."));
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

    void interactionRunsTheDialogModally() {
        QtInteraction ui;
        whenOpen<ChoiceDialogView>([](ChoiceDialogView* view) {
            buttonCaptioned(*view, QStringLiteral("&Double Mail"))->click();
        });
        QCOMPARE(ui.runChoice(armorDialog()), std::optional<int>(8));

        whenOpen<ChoiceDialogView>([](ChoiceDialogView* view) { view->reject(); });
        QCOMPARE(ui.runChoice(armorDialog()), std::nullopt);
    }

    void interactionShowsMessages() {
        QtInteraction ui;
        const Message messages[] = {{"Don't Forget", "Don't forget to save your character.", false},
                                    {"Orthavel", "Please enter an integer between 1 and 5.", true}};
        for (const auto& message : messages) {
            MessageBoxCloser closer;
            ui.showMessage(message);
            QCOMPARE(closer.seen.size(), 1);
            QCOMPARE(closer.seen[0].caption, QString::fromStdString(message.caption));
            QCOMPARE(closer.seen[0].text, QString::fromStdString(message.text));
            QCOMPARE(closer.seen[0].icon,
                     message.exclamation ? QMessageBox::Warning : QMessageBox::NoIcon);
        }
    }

    void numberPromptTakesOnlyNumbersInRange() {
        const NumberPrompt prompt = baseNumberPrompt();
        const struct {
            const char* typed;
            std::optional<std::int32_t> number; // nothing: refused
        } cases[] = {
            {"1", 1},
            {"100", 100},
            {" 42 ", 42},
            {"0", std::nullopt},
            {"101", std::nullopt},
            {"-5", std::nullopt},
            {"abc", std::nullopt},
            {"", std::nullopt},
            {"99999999999", std::nullopt},
        };
        for (const auto& c : cases) {
            NumberPromptView view(prompt);
            view.show();
            QVERIFY(QTest::qWaitForWindowActive(&view));
            QCOMPARE(view.field()->text(), QStringLiteral("50"));
            view.field()->setText(QString::fromUtf8(c.typed));
            MessageBoxCloser closer;
            QTest::mouseClick(view.okButton(), Qt::LeftButton);
            if (c.number) {
                QVERIFY2(closer.seen.isEmpty(), c.typed);
                QCOMPARE(view.result(), static_cast<int>(QDialog::Accepted));
                QCOMPARE(view.number(), c.number);
            } else {
                QCOMPARE(closer.seen.size(), 1);
                QCOMPARE(closer.seen[0].text,
                         QStringLiteral("Please enter an integer between 1 and 100."));
                QVERIFY2(view.isVisible(), c.typed);
                QCOMPARE(view.number(), std::nullopt);
                QCOMPARE(view.field()->selectedText(), QString::fromUtf8(c.typed));
                QCOMPARE(view.focusWidget(), view.field());
            }
        }
    }

    void numberPromptEscapeCancels() {
        NumberPromptView view(baseNumberPrompt());
        view.show();
        QTest::keyClick(&view, Qt::Key_Escape);
        QCOMPARE(view.result(), static_cast<int>(QDialog::Rejected));
        QCOMPARE(view.number(), std::nullopt);
    }
};

QTEST_MAIN(DialogViewsTest)
#include "dialog_views_test.moc"
