#include "gui/app/CQuorvelApp.h"

#include "core/dialogs/Message.h"
#include "gui/app/CMainFrame.h"
#include "gui/app/DrawnIcon.h"
#include "gui/app/RecoveryFile.h"
#include "gui/app/Resources.h"

#include <QApplication>
#include <QCommandLineParser>

namespace orthavel {

CQuorvelApp::CQuorvelApp() = default;

CQuorvelApp::~CQuorvelApp() = default;

void CQuorvelApp::configure(QApplication& application) {
    QApplication::setOrganizationName(QStringLiteral("Orthavel"));
    QApplication::setApplicationName(QStringLiteral("Orthavel"));
    QApplication::setApplicationVersion(QStringLiteral(ORTHAVEL_VERSION));
    initResources();
    application.setWindowIcon(drawnIcon(QStringLiteral(":/icons/orthavel.svg")));
}

bool CQuorvelApp::InitInstance(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QLatin1String(kApplicationTitle));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QStringLiteral("A character file (.ksc) to open."));
    parser.process(arguments);

    m_frame = std::make_unique<CMainFrame>(m_document, m_ui);
    m_ui.setParentWidget(m_frame.get());
    const QStringList files = parser.positionalArguments();
    if (!files.isEmpty() && !m_frame->openFile(files.first())) {
        return false;
    }
    m_frame->show();
    m_recovery = std::make_unique<RecoveryFile>(m_document, recoveryFolder());
    offerRecovery(m_document, m_ui, recoveryFolder(), m_frame.get());
    return true;
}

} // namespace orthavel
