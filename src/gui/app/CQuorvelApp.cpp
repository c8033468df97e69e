// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/app/CQuorvelApp.h"

#include "gui/app/PartyDock.h"

#include "gui/app/CMainFrame.h"
#include "gui/app/DrawnIcon.h"
#include "gui/app/RecoveryFile.h"
#include "gui/app/Resources.h"
#include "gui/app/RollLogFile.h"
#include "gui/dialogs/DialogLook.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QStatusBar>
#include <QStringList>

namespace orthavel {

namespace {

// The names that settings, --version and the desktop go by.
void nameProgram() {
    QCoreApplication::setOrganizationName(QStringLiteral("Orthavel"));
    QCoreApplication::setApplicationName(QStringLiteral("Orthavel"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ORTHAVEL_VERSION));
}

// The program's command line: the help options and the character file to open.
void describeCommandLine(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        QStringLiteral("Keeps Orthavel characters as .ksc files, updates them by the rules of the "
                       "game and prints their four-page character sheets."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QStringLiteral("A character file (.ksc) to open, or a party "
                                                "file (.kparty) to show beside the character."),
                                 QStringLiteral("[file]"));
}

} // namespace

CQuorvelApp::CQuorvelApp() = default;

CQuorvelApp::~CQuorvelApp() = default;

void CQuorvelApp::answerTerminalOptions(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    QCommandLineParser parser;
    describeCommandLine(parser);
    // Qt's own options (-platform, -reverse ...) are still in the arguments: read as long
    // options they cannot be taken for -h or -v. Whatever is unknown here, the start-up reports.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.parse(arguments);
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("version"))) {
        // A terminal program's application is enough to print them; process() ends the program.
        QCoreApplication terminal(argc, argv);
        nameProgram();
        parser.process(terminal);
    }
    if (parser.isSet(QStringLiteral("help-all"))) {
        // Qt's own options are those of a window program, which needs no screen to list them.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QApplication windows(argc, argv);
        nameProgram();
        parser.process(windows);
    }
}

void CQuorvelApp::configure(QApplication& application) {
    nameProgram();
    QGuiApplication::setDesktopFileName(QStringLiteral(ORTHAVEL_APP_ID));
    initResources();
    application.setWindowIcon(drawnIcon(QStringLiteral(":/icons/orthavel.svg")));
    applyWindowRules();
}

bool CQuorvelApp::InitInstance(const QStringList& arguments) {
    QCommandLineParser parser;
    describeCommandLine(parser);
    parser.process(arguments);

    m_frame = std::make_unique<CMainFrame>(m_document, m_ui);
    m_ui.setParentWidget(m_frame.get());
    // A log that cannot be read is set aside; the program starts with an empty one.
    m_rollLogFile = std::make_unique<RollLogFile>(m_frame->rollLog(), rollLogPath(), m_frame.get());
    if (const auto problem = m_rollLogFile->load()) {
        m_frame->statusBar()->showMessage(*problem);
    }
    QObject::connect(m_frame.get(), &CMainFrame::rollLogChanged, m_rollLogFile.get(),
                     &RollLogFile::changed);
    const QStringList files = parser.positionalArguments();
    if (!files.isEmpty() &&
        QFileInfo(files.first()).suffix().compare(QStringLiteral("kparty"), Qt::CaseInsensitive) ==
            0) {
        if (!m_frame->partyDock()->openParty(files.first())) {
            return false;
        }
        m_frame->partyDock()->show();
    } else if (!files.isEmpty() && !m_frame->openFile(files.first())) {
        return false;
    }
    m_frame->show();
    m_recovery = std::make_unique<RecoveryFile>(m_document, recoveryFolder(), m_frame.get());
    offerRecovery(m_document, m_ui, recoveryFolder(), m_frame.get());
    return true;
}

} // namespace orthavel
