// The main window: where it goes, its menus, toolbar and status bar, and how its commands reach
// the document.

#include "FakeInteraction.h"

#include "core/document/CQuorvelDoc.h"
#include "core/document/Commands.h"
#include "gui/app/CMainFrame.h"
#include "gui/app/LockIndicators.h"
#include "gui/sheet/CQuorvelView.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

using namespace orthavel;

namespace {

struct ExpectedEntry {
    const char* path; // menu titles joined with '>', then the entry's caption
    const char* key;
    const char* statusTip;
    const char* toolTip; // empty: the caption stands for it
};

// The menus as the user must find them.
const ExpectedEntry kExpectedMenus[] = {
    {"&File>&New QuickPC", "Ctrl+N", "Create a new (starting) character", "Quick PC"},
    {"&File>New Full &Generation", "", "Generate any Profession or Job", "Full PC"},
    {"&File>&Update Character>&Advantages", "", "Alter your character's advantages", "Advantages"},
    {"&File>&Update Character>&Birthday", "", "Change your character's age", "Birthday"},
    {"&File>&Update Character>&Change Job/Profession", "", "", ""},
    {"&File>&Update Character>New &Armor", "", "Change the type of armor worn by your character.",
     "Armor"},
    {"&File>&Update Character>&Skills", "", "Alter your character's skills", "Skills"},
    {"&File>&Update Character>S&pecial Skills", "", "Give your character one new special skill",
     "Special Skills"},
    {"&File>&Open...", "Ctrl+O", "Open an existing document", "Open"},
    {"&File>&Save", "Ctrl+S", "Save the active document", "Save"},
    {"&File>Save &As...", "", "Save the active document with a new name", "Save As"},
    {"&File>&Print...", "Ctrl+P", "Print the active document", "Print"},
    {"&File>Print Pre&view", "", "Display full pages", "Print Preview"},
    {"&File>P&rint Setup...", "", "Change the printer and printing options", "Print Setup"},
    {"&File>&Export PDF...", "", "Write the four sheet pages into one PDF file", ""},
    {"&File>Recent File", "", "", ""},
    {"&File>E&xit", "", "Quit the application; prompts to save documents", "Exit"},
    {"&Rolls and Masteries>&ROC Roll", "", "", ""},
    {"&Rolls and Masteries>&Endowment Skill Criticals>&Success", "", "", ""},
    {"&Rolls and Masteries>&Endowment Skill Criticals>&Failure", "", "", ""},
    {"&Combat>&Hit Location", "", "", ""},
    {"&Combat>&Basic Combat Criticals>&Success", "", "", ""},
    {"&Combat>&Basic Combat Criticals>&Failure", "", "", ""},
    {"&Combat>&Advanced Combat Criticals>&Melee Combat>&Success", "", "", ""},
    {"&Combat>&Advanced Combat Criticals>&Melee Combat>&Failure", "", "", ""},
    {"&Combat>&Advanced Combat Criticals>&HTH Combat>&Success", "", "", ""},
    {"&Combat>&Advanced Combat Criticals>&HTH Combat>&Failure", "", "", ""},
    {"&Combat>&Advanced Combat Criticals>&Dodge, Duck, Shield-Block>&Success", "", "", ""},
    {"&Combat>&Advanced Combat Criticals>&Dodge, Duck, Shield-Block>&Failure", "", "", ""},
    {"&Combat>&Advanced Combat Criticals>&Fired/Thrown Combat>&Success", "", "", ""},
    {"&Combat>&Advanced Combat Criticals>&Fired/Thrown Combat>&Failure", "", "", ""},
    {"&Magic>Magic &Criticals>&Success", "", "", ""},
    {"&Magic>Magic &Criticals>&Failure", "", "", ""},
    {"&Options>&Rules Tips", "", "Prints game rule reminders.", ""},
    {"&View>&Toolbar", "", "Show or hide the toolbar", "Toggle ToolBar"},
    {"&View>&Status Bar", "", "Show or hide the status bar", "Toggle StatusBar"},
    {"&View>&Main Menu", "", "Return to the main menu", ""},
    {"&View>Page &1", "", "", ""},
    {"&View>Page &2 (skills)", "", "", ""},
    {"&View>Page &3 (skills)", "", "", ""},
    {"&View>Page &4 (combat)", "", "", ""},
    {"&Help>&Quick Player Character Kessari", "", "", ""},
    {"&Help>&Orthavel Web Site (Updates)", "", "", ""},
    {"&Help>&Quorvel Web Site (Game Information)", "", "", ""},
    {"&Help>&Help (General Information)", "", "", ""},
    {"&Help>&About Orthavel...", "", "Display program information and version number", "About"},
    {"&Help>&Legal Disclaimer", "", "", ""},
};

// Every visible entry of a menu and its submenus, depth first.
void collect(const QMenu* menu, const QString& path, QList<const QAction*>& actions,
             QStringList& paths) {
    for (const QAction* action : menu->actions()) {
        if (action->isSeparator() || !action->isVisible()) {
            continue;
        }
        const QString here = path + QLatin1Char('>') + action->text();
        if (action->menu() != nullptr) {
            collect(action->menu(), here, actions, paths);
        } else {
            actions.append(action);
            paths.append(here);
        }
    }
}

QString saveCharacter(const QString& folder, const QString& name, const CharacterRecord& record) {
    CQuorvelDoc document;
    document.record() = record;
    const std::string bytes = document.SaveBytes();
    const QString path = folder + QLatin1Char('/') + name;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return {};
    }
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    return path;
}

} // namespace

class MainFrameTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName(QStringLiteral("Orthavel"));
        // A settings file of its own, so test programs running side by side keep apart.
        QCoreApplication::setApplicationName(QStringLiteral("OrthavelMainFrameTest"));
    }
    void init() { QSettings().clear(); }

    void windowFitsTheScreen() {
        const struct {
            QRect screen;
            QRect window;
        } cases[] = {
            {{0, 0, 1024, 768}, {0, 0, 640, 480}}, {{0, 0, 640, 480}, {0, 0, 640, 480}},
            {{0, 0, 600, 400}, {0, 0, 600, 400}},  {{0, 0, 800, 400}, {0, 0, 640, 400}},
            {{0, 0, 600, 900}, {0, 0, 600, 480}},  {{0, 30, 1920, 1050}, {0, 30, 640, 480}},
        };
        for (const auto& c : cases) {
            QCOMPARE(mainWindowGeometry(c.screen), c.window);
        }
    }

    void windowIsFixedAtTheCorner() {
        CQuorvelDoc document;
        FakeInteraction ui;
        CMainFrame frame(document, ui);
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        const QRect expected = mainWindowGeometry(frame.screen()->availableGeometry());
        QCOMPARE(frame.size(), expected.size());
        QCOMPARE(frame.pos(), expected.topLeft());
        QCOMPARE(frame.minimumSize(), frame.maximumSize());
        QVERIFY(!(frame.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(frame.windowFlags() & Qt::WindowMinimizeButtonHint);
    }

    void menusHoldEveryCommand() {
        CQuorvelDoc document;
        FakeInteraction ui;
        CMainFrame frame(document, ui);
        QList<const QAction*> actions;
        QStringList paths;
        for (const QAction* top : frame.menuBar()->actions()) {
            collect(top->menu(), top->text(), actions, paths);
        }
        QCOMPARE(paths.size(), static_cast<qsizetype>(std::size(kExpectedMenus)));
        for (qsizetype i = 0; i < paths.size(); ++i) {
            const ExpectedEntry& expected = kExpectedMenus[i];
            const QAction* action = actions[i];
            QCOMPARE(paths[i], QString::fromUtf8(expected.path));
            QCOMPARE(action->shortcut(), QKeySequence(QString::fromUtf8(expected.key)));
            QCOMPARE(action->statusTip(), QString::fromUtf8(expected.statusTip));
            if (*expected.toolTip != '\0') {
                QCOMPARE(action->toolTip(), QString::fromUtf8(expected.toolTip));
            }
        }
    }

    void recentFileEntriesFillTheirPlace() {
        QTemporaryDir folder;
        QStringList files;
        for (int i = 0; i < 5; ++i) {
            files.append(
                saveCharacter(folder.path(), QStringLiteral("c%1.ksc").arg(i), CharacterRecord{}));
        }
        CQuorvelDoc document;
        FakeInteraction ui;
        {
            CMainFrame frame(document, ui);
            for (const auto& file : files) {
                QVERIFY(frame.openFile(file));
            }
        }
        // A new window, as after a restart, finds the four newest first.
        CMainFrame frame(document, ui);
        QCOMPARE(frame.recentFiles().files(),
                 (QStringList{files[4], files[3], files[2], files[1]}));
        const auto& entries = frame.recentFileActions();
        for (int i = 0; i < 4; ++i) {
            const QAction* entry = entries[static_cast<std::size_t>(i)];
            QVERIFY(entry->isVisible());
            QVERIFY(entry->text().startsWith(QStringLiteral("&%1 ").arg(i + 1)));
            QVERIFY(entry->text().endsWith(QStringLiteral("c%1.ksc").arg(4 - i)));
            QCOMPARE(entry->statusTip(), QStringLiteral("Open this document"));
        }

        // A recent file that can no longer be opened is reported and leaves the list.
        QVERIFY(QFile::remove(files[3]));
        entries[1]->trigger();
        QCOMPARE(ui.messages.size(), std::size_t{1});
        QVERIFY(ui.messages[0].exclamation);
        QCOMPARE(frame.recentFiles().files(), (QStringList{files[4], files[2], files[1]}));
        QVERIFY(!entries[3]->isVisible());
    }

    void toolbarButtonsInOrder() {
        CQuorvelDoc document;
        FakeInteraction ui;
        CMainFrame frame(document, ui);
        QStringList buttons;
        for (const QAction* action : frame.toolBar()->actions()) {
            buttons.append(action->isSeparator() ? QStringLiteral("|") : action->text());
            QVERIFY(action->isSeparator() || !action->icon().isNull());
        }
        QCOMPARE(buttons, (QStringList{
                              QStringLiteral("&New QuickPC"),
                              QStringLiteral("New Full &Generation"),
                              QStringLiteral("&Open..."),
                              QStringLiteral("&Save"),
                              QStringLiteral("|"),
                              QStringLiteral("&Print..."),
                              QStringLiteral("&About Orthavel..."),
                              QStringLiteral("|"),
                              QStringLiteral("&Main Menu"),
                              QStringLiteral("Page &1"),
                              QStringLiteral("Page &2 (skills)"),
                              QStringLiteral("Page &3 (skills)"),
                              QStringLiteral("Page &4 (combat)"),
                          }));
        QCOMPARE(frame.toolBar()->allowedAreas(), Qt::AllToolBarAreas);
        QVERIFY(frame.toolBar()->isMovable());
        QVERIFY(frame.toolBar()->isFloatable());
        QCOMPARE(frame.toolBarArea(frame.toolBar()), Qt::TopToolBarArea);
    }

    void viewTogglesShowAndHide() {
        CQuorvelDoc document;
        FakeInteraction ui;
        CMainFrame frame(document, ui);
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        const struct {
            int id;
            QWidget* bar;
        } toggles[] = {{ID_VIEW_TOOLBAR, frame.toolBar()}, {ID_VIEW_STATUS_BAR, frame.statusBar()}};
        for (const auto& toggle : toggles) {
            QAction* action = frame.commandAction(toggle.id);
            QVERIFY(action->isChecked());
            action->trigger();
            QVERIFY(!toggle.bar->isVisible());
            QVERIFY(!action->isChecked());
            action->trigger();
            QVERIFY(toggle.bar->isVisible());
            QVERIFY(action->isChecked());
        }
    }

    void statusBarHasLockPanes() {
        CQuorvelDoc document;
        FakeInteraction ui;
        CMainFrame frame(document, ui);
        QStringList texts;
        for (const QLabel* label : frame.statusBar()->findChildren<QLabel*>()) {
            texts.append(label->text());
        }
        for (const auto* pane : {"CAP", "NUM", "SCRL"}) {
            QVERIFY2(texts.contains(QString::fromUtf8(pane)), pane);
        }
    }

    void lockStatesFollowTheKeys() {
        const QString x11 = QStringLiteral("xcb");
        const QString windows = QStringLiteral("windows");
        const QString other = QStringLiteral("offscreen");
        const LockStates off{};
        const struct {
            const QString& platform;
            LockStates before;
            QEvent::Type type;
            int key;
            quint32 modifiers;
            LockStates after;
        } cases[] = {
            // X11: the state comes with every key; a lock key's press toggles it.
            {x11, off, QEvent::KeyPress, Qt::Key_A, 0x02 | 0x10, {true, true, false}},
            {x11, {true, true, false}, QEvent::KeyPress, Qt::Key_A, 0, off},
            {x11, off, QEvent::KeyPress, Qt::Key_CapsLock, 0, {true, false, false}},
            {x11, {true, false, false}, QEvent::KeyPress, Qt::Key_CapsLock, 0x02, off},
            {x11,
             {true, false, false},
             QEvent::KeyRelease,
             Qt::Key_CapsLock,
             0,
             {true, false, false}},
            {x11, off, QEvent::KeyPress, Qt::Key_NumLock, 0, {false, true, false}},
            {x11, off, QEvent::KeyPress, Qt::Key_ScrollLock, 0, {false, false, true}},
            {x11, {false, false, true}, QEvent::KeyPress, Qt::Key_ScrollLock, 0, off},
            // Windows reports all three.
            {windows, off, QEvent::KeyPress, Qt::Key_A, 0x100 | 0x200 | 0x400, {true, true, true}},
            {windows, {true, true, true}, QEvent::KeyRelease, Qt::Key_A, 0, off},
            // Elsewhere only the presses count.
            {other, off, QEvent::KeyPress, Qt::Key_CapsLock, 0, {true, false, false}},
            {other, {true, false, false}, QEvent::KeyPress, Qt::Key_A, 0, {true, false, false}},
        };
        int row = 0;
        for (const auto& c : cases) {
            const LockStates after =
                lockStatesAfter(c.platform, c.before, c.type, c.key, c.modifiers);
            QVERIFY2(after == c.after, qPrintable(QString::number(row)));
            ++row;
        }
    }

    void titleNamesTheDocument() {
        QTemporaryDir folder;
        const QString path = saveCharacter(folder.path(), QStringLiteral("hero.ksc"), {});
        CQuorvelDoc document;
        FakeInteraction ui;
        CMainFrame frame(document, ui);
        QCOMPARE(frame.windowTitle(),
                 QStringLiteral("Orthavel Kessari Computer Aided Role-Playing - Untitled[*]"));
        QVERIFY(frame.openFile(path));
        QCOMPARE(frame.windowTitle(),
                 QStringLiteral("Orthavel Kessari Computer Aided Role-Playing - hero.ksc[*]"));
        QVERIFY(!frame.isWindowModified());
        document.SetModifiedFlag(true);
        QVERIFY(frame.isWindowModified());
    }

    void rulesTipsCheckFollowsTheCharacter() {
        QTemporaryDir folder;
        CharacterRecord quiet;
        quiet.m_bRulesTips = 0;
        const QString path = saveCharacter(folder.path(), QStringLiteral("quiet.ksc"), quiet);
        CQuorvelDoc document;
        FakeInteraction ui;
        CMainFrame frame(document, ui);
        QAction* tips = frame.commandAction(ID_RULES_TIPS);
        QVERIFY(tips->isCheckable());
        QVERIFY(tips->isChecked());

        QVERIFY(frame.openFile(path));
        QVERIFY(!tips->isChecked());

        tips->trigger();
        QCOMPARE(document.record().m_bRulesTips, 1);
        QVERIFY(tips->isChecked());
        QVERIFY(!document.IsModified());
        tips->trigger();
        QCOMPARE(document.record().m_bRulesTips, 0);
        QVERIFY(!tips->isChecked());
    }

    void pageCommandsLeaveTheDocumentUnmodified() {
        CQuorvelDoc document;
        FakeInteraction ui;
        CMainFrame frame(document, ui);
        const struct {
            int id;
            int page;
        } pages[] = {{ID_VIEW_PAGE1, 1},
                     {ID_VIEW_PAGE2, 2},
                     {ID_VIEW_PAGE3, 3},
                     {ID_VIEW_PAGE4, 4},
                     {ID_VIEW_MAIN_MENU, 0}};
        for (const auto& p : pages) {
            frame.commandAction(p.id)->trigger();
            QCOMPARE(document.record().m_nPage, p.page);
            QVERIFY(!document.IsModified());
        }
        // Nothing changed, so closing asks nothing.
        QVERIFY(frame.close());
        QVERIFY(ui.saveQuestions.empty());
    }

    void everyDocumentCommandHasAnAction() {
        CQuorvelDoc document;
        FakeInteraction ui;
        CMainFrame frame(document, ui);
        for (const DocumentCommand& command : documentCommands()) {
            QVERIFY2(frame.commandAction(command.id) != nullptr,
                     qPrintable(QString::number(command.id)));
        }
    }

    void armorCommandReachesTheDocument() {
        CQuorvelDoc document;
        FakeInteraction ui;
        CMainFrame frame(document, ui);
        ui.choices.push_back(9);
        frame.commandAction(ID_NEW_ARMOR)->trigger();
        QCOMPARE(ui.dialogTitles, (std::vector<std::string>{"Choose a set of Armor"}));
        QCOMPARE(document.record().m_aEquipment[0], 9);
        QCOMPARE(document.record().m_nPage, 1);
    }

    void ctrlNStartsQuickGeneration() {
        CQuorvelDoc document;
        FakeInteraction ui;
        CMainFrame frame(document, ui);
        frame.show();
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        QSignalSpy started(frame.commandAction(ID_FILE_NEW), &QAction::triggered);
        QTest::keyClick(&frame, Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(started.size(), 1);
    }

    void generationOffersToSaveTheOpenCharacter() {
        for (const int id : {ID_FILE_NEW, ID_FULL_GENERATION}) {
            CQuorvelDoc document;
            FakeInteraction ui;
            CMainFrame frame(document, ui);
            // Nothing to lose: no question.
            frame.commandAction(id)->trigger();
            QVERIFY(ui.saveQuestions.empty());

            document.record().m_strName = "Unsaved";
            document.SetModifiedFlag(true);
            ui.saveAnswers.push_back(SaveAnswer::Cancel);
            frame.commandAction(id)->trigger();
            QCOMPARE(ui.saveQuestions, (std::vector<std::string>{"Untitled"}));
            QCOMPARE(document.record().m_strName, std::string("Unsaved"));
            QVERIFY(document.IsModified());
            QVERIFY(ui.dialogTitles.empty());
        }
    }

    // A cover click is the same command as the menu entry: it too offers to save first.
    void coverClicksOfferToSaveTheOpenCharacter() {
        CQuorvelDoc document;
        FakeInteraction ui;
        CMainFrame frame(document, ui);
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        document.record().m_strName = "Unsaved";
        document.SetModifiedFlag(true);
        ui.saveAnswers.push_back(SaveAnswer::Cancel);
        auto* view = qobject_cast<CQuorvelView*>(frame.centralWidget());
        QVERIFY(view != nullptr);
        QTest::mouseMove(view->viewport(), QPoint(60, 150));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, QPoint(60, 150));
        QCOMPARE(ui.saveQuestions, (std::vector<std::string>{"Untitled"}));
        QCOMPARE(document.record().m_strName, std::string("Unsaved"));
    }

    void closingAModifiedCharacterAsks() {
        const struct {
            SaveAnswer answer;
            bool closes;
        } cases[] = {{SaveAnswer::Discard, true}, {SaveAnswer::Cancel, false}};
        for (const auto& c : cases) {
            CQuorvelDoc document;
            FakeInteraction ui;
            CMainFrame frame(document, ui);
            frame.show();
            document.SetModifiedFlag(true);
            ui.saveAnswers.push_back(c.answer);
            QCOMPARE(frame.close(), c.closes);
            QCOMPARE(ui.saveQuestions, (std::vector<std::string>{"Untitled"}));
        }
    }
};

QTEST_MAIN(MainFrameTest)
#include "main_frame_test.moc"
