// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up: a new character on the main menu page, or the file named on the command line; a file
// that cannot be opened ends the start-up.

#include "GuiTestSupport.h"

#include "gui/app/CMainFrame.h"
#include "gui/app/CQuorvelApp.h"
#include "gui/app/PartyDock.h"
#include "qtcommon/SafeFile.h"
#include "script/PartyFile.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>

using namespace orthavel;

class AppStartupTest : public QObject {
    Q_OBJECT

    const QString m_program = QStringLiteral("orthavel");

private Q_SLOTS:
    void initTestCase() {
        CQuorvelApp::configure(*qApp);
        useOwnSettings("OrthavelAppStartupTest");
    }

    // No argument: a new character on the main menu; a file named: that file, on page 1.
    void theMainMenuOrTheNamedFileIsShown() {
        QTemporaryDir folder;
        CharacterRecord starter;
        starter.m_strName = "Starter";
        const QString path = writeCharacter(folder.filePath(QStringLiteral("start.ksc")), starter);
        for (const QStringList& arguments :
             {QStringList{m_program}, QStringList{m_program, path}}) {
            CQuorvelApp program;
            QVERIFY(program.InitInstance(arguments) && program.mainFrame()->isVisible());
            QCOMPARE(program.document().record().m_nPage, arguments.size() == 2 ? 1 : 0);
            QCOMPARE(program.document().record().m_strName == "Starter", arguments.size() == 2);
        }
    }

    void unreadableFileEndsTheStartUp() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("absent.ksc"));
        CQuorvelApp program;
        MessageBoxCloser closer;
        QVERIFY(!program.InitInstance({m_program, path}));
        QCOMPARE(closer.seen.size(), 1);
        QVERIFY(closer.seen[0].text.contains(path));
        QVERIFY(program.mainFrame() == nullptr || !program.mainFrame()->isVisible());
    }

    // A party file named on the command line is shown beside a new character; one that cannot
    // be read ends the start-up, saying why.
    void namedPartyIsShownBesideANewCharacter() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("tavern.kparty"));
        for (const QByteArray& contents : {QByteArray(R"({"format": "orthavel-party",)"),
                                           QByteArray::fromStdString(partyFileText(Party{}))}) {
            QVERIFY(!writeWholeFile(path, contents));
            const bool readable = contents.endsWith("\n");
            CQuorvelApp program;
            MessageBoxCloser closer;
            QCOMPARE(program.InitInstance({m_program, path}), readable);
            QCOMPARE(closer.seen.size(), readable ? 0 : 1);
            if (readable) {
                QCOMPARE(program.mainFrame()->partyDock()->partyPath(), path);
                QVERIFY(program.mainFrame()->partyDock()->isVisible());
                QCOMPARE(program.document().record().m_nPage, 0);
            }
        }
    }

    // The terminal's options are answered without a window: what the command line takes, and
    // the version.
    void terminalOptionsAreAnsweredWithoutAWindow() {
        const std::pair<const char*, const char*> cases[] = {
            {"--help", "A character file (.ksc) to open"}, {"--version", "Orthavel 1."}};
        for (const auto& [option, shown] : cases) {
            QProcess program;
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
            environment.remove(QStringLiteral("DISPLAY"));
            program.setProcessEnvironment(environment);
            program.start(QStringLiteral(ORTHAVEL_PROGRAM), {QString::fromLatin1(option)});
            QVERIFY(program.waitForFinished(10000) && program.exitCode() == 0);
            QVERIFY2(program.readAllStandardOutput().contains(shown), option);
        }
        char reverse[] = "-reverse"; // Qt's own option, a word: its v is no -v, and it goes on
        char* qtOption[] = {reverse, reverse};
        CQuorvelApp::answerTerminalOptions(2, qtOption);
    }

    void helpPageIsAvailableAsAFile() {
        const QString page = localHelpPage();
        QVERIFY(page.endsWith(QStringLiteral("kessari_help.htm")));
        const QByteArray content = readAll(page);
        QVERIFY(content.contains("<html") && content.contains("Printing"));
    }
};

QTEST_MAIN(AppStartupTest)
#include "app_startup_test.moc"
