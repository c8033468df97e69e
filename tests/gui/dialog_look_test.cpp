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
#include "qtcommon/SafeFile.h"
#include "script/PartyFile.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QMenuBar>
#include <QPixmap>
#include <QTemporaryDir>

using namespace orthavel;

namespace {

// A shown widget and, indented under it, its shown children; a colour where it differs from
// the parent's; a frame's shape and shadow (QFrame::Shape | QFrame::Shadow); a header's sections.
void describe(const QWidget& w, int depth, QString& out) {
    QString text = w.isWindow() ? w.windowTitle() : w.property("text").toString();
    text = text.isEmpty() ? w.property("currentText").toString() : text;
    const auto* frame = qobject_cast<const QFrame*>(&w);
    out +=
        QString(depth * 2, QLatin1Char(' ')) + QLatin1String(w.metaObject()->className()) +
        QStringLiteral(" \"") + text.left(40).replace(QLatin1Char('\n'), QLatin1Char('|')) +
        QString::asprintf("\" %d,%d %dx%d", w.x(), w.y(), w.width(), w.height()) +
        (w.font().bold() ? QStringLiteral(" bold") : QString()) +
        (w.property("pixmap").value<QPixmap>().isNull() ? QString() : QStringLiteral(" picture")) +
        (w.toolTip().isEmpty() ? QString() : QStringLiteral(" tip \"%1\"").arg(w.toolTip())) +
        (frame == nullptr || frame->frameShape() == QFrame::NoFrame
             ? QString()
             : QString::asprintf(" frame %#x", static_cast<unsigned>(frame->frameStyle()))) +
        (!w.inherits("QAbstractSlider")
             ? QString()
             : QString::asprintf(" range %d-%d page %d", w.property("minimum").toInt(),
                                 w.property("maximum").toInt(), w.property("pageStep").toInt()));
    // What a window sets away from its widgets' defaults, and a person notices.
    static const std::pair<const char*, QVariant> kNoticed[] = {
        {"wordWrap", false},     {"alternatingRowColors", false},
        {"maxVisibleItems", 10}, {"maxLength", 32767},
        {"readOnly", false},     {"keyboardTracking", true},
        {"default", false}};
    for (const auto& [name, usual] : kNoticed) {
        if (const QVariant value = w.property(name); value.isValid() && value != usual) {
            out += QStringLiteral(" %1 %2").arg(QLatin1String(name), value.toString());
        }
    }
    const auto* header = qobject_cast<const QHeaderView*>(&w);
    for (int s = 0; header != nullptr && s < header->count(); ++s) {
        out += QStringLiteral(" section %1").arg(header->sectionSize(s));
    }
    for (const QPalette::ColorRole role : {w.foregroundRole(), w.backgroundRole()}) {
        const QColor colour = w.palette().color(role);
        if (w.isWindow() || w.parentWidget()->palette().color(role) != colour) {
            out += QLatin1Char(' ') + colour.name();
        }
    }
    out += (w.isEnabled() ? QString() : QStringLiteral(" disabled")) +
           (w.hasFocus() ? QStringLiteral(" focus\n") : QStringLiteral("\n"));
    // The first rows of a list, a table or a drop-down, a cell in bold marked so (no roll is made:
    // the roll log's rows hold the time).
    const auto* view =
        w.inherits("QHeaderView") ? nullptr : qobject_cast<const QAbstractItemView*>(&w);
    const auto* combo = qobject_cast<const QComboBox*>(&w);
    const QAbstractItemModel* model = view ? view->model() : combo ? combo->model() : nullptr;
    for (int row = 0; model != nullptr && row < std::min(model->rowCount(), 4); ++row) {
        out += QString(depth * 2 + 2, QLatin1Char(' ')) + QStringLiteral("row");
        for (int column = 0; column < model->columnCount(); ++column) {
            const QModelIndex cell = model->index(row, column);
            out += QStringLiteral(" | ") +
                   cell.data().toString().replace(QLatin1Char('\n'), QLatin1Char('/')) +
                   (cell.data(Qt::FontRole).value<QFont>().bold() ? QStringLiteral(" (bold)")
                                                                  : QString());
        }
        out +=
            row == 3 ? QStringLiteral(" | of %1\n").arg(model->rowCount()) : QStringLiteral("\n");
    }
    // No child lies over another, or out of its parent but where that scrolls.
    QList<const QWidget*> shown;
    for (const QWidget* child : w.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!child->isWindow() && child->isVisible()) {
            const QByteArray name =
                child->metaObject()->className() + child->property("text").toString().toUtf8();
            QVERIFY2(w.objectName() == QLatin1String("qt_scrollarea_viewport") ||
                         w.rect().contains(child->geometry()),
                     name.constData());
            for (const QWidget* other : shown) {
                QVERIFY2(!other->geometry().intersects(child->geometry()), name.constData());
            }
            shown.append(child);
            describe(*child, depth + 1, out);
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
        QApplication::setPalette(QPalette(QColor(48, 48, 48))); // a dark desktop theme
    }

    void everyWindowLooksAsReviewed() {
        QString made;
        const auto add = [&made](QWidget& window) {
            QVERIFY(opened(window));
            made += look(window);
        };
        for (const ChoiceDialog& dialog :
             {raceDialog(), armorDialog(), ageCategoryDialog(), careerDialog(kJobsDialogs[1])}) {
            ChoiceDialogView view(dialog);
            add(view);
        }
        FormEntry traits(physicalTraitsDialog(16, 21, 300));
        FormEntry number(numberPromptForm(newAdvantagePointsPrompt()));
        FormEntry background(familyBackgroundDialog("Farmer, Miller", "Brewer")); // a long field
        for (FormEntry* form : {&traits, &number, &background}) {
            FormDialogView view(*form);
            add(view);
        }
        AdvantageAssignment advantages;
        advantages.open(kRaceKessari, 0, 103, {}, 300, 1);
        AdvantageAssignmentView advantagesView(advantages);
        add(advantagesView);
        AdvantageAssignmentView advantagesFitted(advantages); // its footer stays in view
        fitToArea(&advantagesFitted, QRect(0, 0, 640, 200));
        add(advantagesFitted);
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
                // Up before it has the keyboard: its look is taken once OK has the focus.
                QVERIFY(QTest::qWaitFor(
                    [box] { return box->isActiveWindow() && box->focusWidget() != nullptr; }));
                made += look(*box);
                QTest::keyClick(box, Qt::Key_Return);
            });
            ui.showMessage({warns ? "Random Dice Roll (You need a 57 to be ambidextrous)" : "Roll",
                            "You rolled a: 57.", warns}); // Enter closes it
        }

        Frame f;
        // A party of the two samples, the one open in bold.
        QTemporaryDir dir;
        const QString party = dir.filePath(QStringLiteral("friends.kparty"));
        const Party friends{
            "Friends",
            {ORTHAVEL_TEST_DATA "/sample_kessari.ksc", ORTHAVEL_TEST_DATA "/sample_neuonian.ksc"},
            {}};
        QVERIFY(!writeWholeFile(party, QByteArray::fromStdString(partyFileText(friends))) &&
                f.frame.partyDock()->openParty(party));
        // Opened by the document, no recent file shows where the tests run.
        QVERIFY(f.document.OnOpenDocument(ORTHAVEL_TEST_DATA "/sample_kessari.ksc"));
        SkillRoll roll(f.document.record());
        SkillRollView rollView(roll);
        add(rollView);
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
