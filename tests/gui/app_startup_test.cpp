// Start-up: a new character on the main menu page, or the file named on the command line; a file
// that cannot be opened ends the start-up.

#include "core/document/CQuorvelDoc.h"
#include "gui/app/CMainFrame.h"
#include "gui/app/CQuorvelApp.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace orthavel;

namespace {

// Closes every message box that opens while it lives and keeps their texts.
class MessageBoxCloser : public QObject {
public:
    QStringList texts;

    MessageBoxCloser() {
        connect(&m_timer, &QTimer::timeout, this, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                texts.append(box->text());
                box->button(QMessageBox::Ok)->click();
            }
        });
        m_timer.start(5);
    }

private:
    QTimer m_timer;
};

QStringList commandLine(const QString& file = {}) {
    QStringList arguments{QStringLiteral("orthavel")};
    if (!file.isEmpty()) {
        arguments.append(file);
    }
    return arguments;
}

} // namespace

class AppStartupTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        CQuorvelApp::configure(*qApp);
        QCOMPARE(QCoreApplication::organizationName(), QStringLiteral("Orthavel"));
        QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Orthavel"));
        // A settings file of its own, so test programs running side by side keep apart.
        QCoreApplication::setApplicationName(QStringLiteral("OrthavelAppStartupTest"));
        QSettings().clear();
    }

    void noArgumentShowsTheMainMenu() {
        CQuorvelApp program;
        QVERIFY(program.InitInstance(commandLine()));
        QVERIFY(program.mainFrame()->isVisible());
        QCOMPARE(program.document().record().m_nPage, 0);
        QCOMPARE(program.document().record().m_bRulesTips, 1);
        QVERIFY(!program.document().IsModified());
        QVERIFY(program.document().fileName().empty());
    }

    void namedFileOpensOnPageOne() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("start.ksc"));
        {
            CQuorvelDoc saved;
            saved.record().m_strName = "Starter";
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            const std::string bytes = saved.SaveBytes();
            file.write(bytes.data(), static_cast<qint64>(bytes.size()));
        }
        CQuorvelApp program;
        QVERIFY(program.InitInstance(commandLine(path)));
        QCOMPARE(program.document().record().m_strName, std::string("Starter"));
        QCOMPARE(program.document().record().m_nPage, 1);
        QVERIFY(program.mainFrame()->windowTitle().contains(QStringLiteral("start.ksc")));
    }

    void unreadableFileEndsTheStartUp() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("absent.ksc"));
        CQuorvelApp program;
        MessageBoxCloser closer;
        QVERIFY(!program.InitInstance(commandLine(path)));
        QCOMPARE(closer.texts.size(), 1);
        QVERIFY(closer.texts[0].contains(path));
        QVERIFY(program.mainFrame() == nullptr || !program.mainFrame()->isVisible());
    }

    void helpPageIsAvailableAsAFile() {
        const QString page = localHelpPage();
        QFile file(page);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray content = file.readAll();
        QVERIFY(content.contains("<html"));
        QVERIFY(content.contains("Printing"));
        QVERIFY(page.endsWith(QStringLiteral("kessari_help.htm")));
    }
};

QTEST_MAIN(AppStartupTest)
#include "app_startup_test.moc"
