// The menu bar is built from the command map: every entry in its menu and order, with its
// shortcut, status-bar text and tooltip.

#include "GuiTestSupport.h"

#include "gui/app/CMainFrame.h"
#include "gui/app/CommandMap.h"
#include "gui/dialogs/QtInteraction.h"

#include <QMenu>
#include <QMenuBar>
#include <QTest>

using namespace orthavel;

namespace {

QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Every visible entry of a menu and its submenus, depth first, with its path of titles.
void collect(const QMenu* menu, const QString& path,
             QList<std::pair<QString, const QAction*>>& entries) {
    for (const QAction* action : menu->actions()) {
        const QString here = path + QLatin1Char('>') + action->text();
        if (action->menu() != nullptr) {
            collect(action->menu(), here, entries);
        } else if (!action->isSeparator() && action->isVisible()) {
            entries.append({here, action});
        }
    }
}

} // namespace

class MenusTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { useOwnSettings("OrthavelMenusTest"); }

    void menusFollowTheCommandMap() {
        CQuorvelDoc document;
        QtInteraction ui;
        CMainFrame frame{document, ui};
        QList<std::pair<QString, const QAction*>> shown;
        for (const QAction* top : frame.menuBar()->actions()) {
            collect(top->menu(), top->text(), shown);
        }
        qsizetype i = 0;
        for (const MenuEntry& entry : menuEntries()) {
            if (entry.id == 0) {
                continue;
            }
            QVERIFY(i < shown.size());
            const auto& [path, action] = shown[i++];
            QCOMPARE(path, qs(entry.menu) + QLatin1Char('>') + qs(entry.caption));
            if (entry.id == ID_FILE_MRU_FILE1) {
                QVERIFY(!action->isEnabled()); // the greyed stand-in while no file was opened
                continue;
            }
            QCOMPARE(action, frame.commandAction(entry.id));
            QCOMPARE(action->shortcut(), QKeySequence(qs(entry.key)));
            QCOMPARE(action->statusTip(), qs(statusPrompt(entry.prompt)));
            if (!toolTipOf(entry.prompt).empty()) {
                QCOMPARE(action->toolTip(), qs(toolTipOf(entry.prompt)));
            }
            QCOMPARE(action->isCheckable(), entry.checkable);
            if (entry.id == ID_FILE_PRINT_SETUP) {
                QCOMPARE(shown.value(i++).first, QStringLiteral("&File>&Export PDF..."));
            }
        }
        QCOMPARE(i, shown.size());
    }
};

QTEST_MAIN(MenusTest)
#include "menus_test.moc"
