// Recovery after a crash: the desktop program killed with an unsaved character leaves it behind,
// and the next start offers it; a running program's file is never offered, and a damaged one is
// refused and set aside.

#include "GuiTestSupport.h"

#include "core/document/RecoveryContent.h"
#include "gui/app/RecoveryFile.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

using namespace orthavel;

namespace {

// The recovery files in folder, without the locks.
QStringList recoveryFiles(const QString& folder) {
    return QDir(folder).entryList({QStringLiteral("*.recovery")}, QDir::Files);
}

} // namespace

class RecoveryTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_home;
    QString m_folder;

    // The desktop program with this home's data folder, answering the recovery question.
    std::unique_ptr<QProcess> start(const char* answer, bool quitAfterShow = false) {
        auto program = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_DATA_HOME"), m_home.filePath(QStringLiteral("data")));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_home.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("ORTHAVEL_RECOVERY_ANSWER"), QString::fromUtf8(answer));
        if (quitAfterShow) {
            env.insert(QStringLiteral("ORTHAVEL_QUIT_AFTER_SHOW"), QStringLiteral("1"));
        }
        program->setProcessEnvironment(env);
        program->start(QStringLiteral(ORTHAVEL_PROGRAM), {});
        return program;
    }

    // Waits until a program wrote its own recovery file: the one file there besides old.
    QString waitForNewFile(const QString& old) {
        QString found;
        (void)QTest::qWaitFor(
            [&] {
                const QStringList files = recoveryFiles(m_folder);
                found = files.size() == 1 && files[0] != old ? files[0] : QString();
                return !found.isEmpty();
            },
            10000);
        return found.isEmpty() ? found : QDir(m_folder).filePath(found);
    }

    static void kill(QProcess& program) {
        ::kill(static_cast<pid_t>(program.processId()), SIGKILL);
        QVERIFY(program.waitForFinished(10000));
    }

private slots:
    void initTestCase() {
        useOwnSettings("OrthavelRecoveryTest");
        QVERIFY(m_home.isValid());
        m_folder = m_home.filePath(QStringLiteral("data/Orthavel/Orthavel/recovery"));
    }

    void killedProgramsCharacterIsRestoredByteForByte() {
        // A character left by a program that crashed before: the first start restores it, which
        // leaves that program with an unsaved character.
        CharacterRecord ysolde;
        ysolde.m_strName = "Ysolde";
        ysolde.m_nAge = 140;
        ysolde.m_nPage = 1;
        const QByteArray left = QByteArray::fromStdString(storeRecovery("/tmp/ysolde.ksc", ysolde));
        QVERIFY(QDir().mkpath(m_folder));
        QFile file(QDir(m_folder).filePath(QStringLiteral("1-0.recovery")));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(left) == left.size());
        file.close();

        auto first = start("restore");
        const QString written = waitForNewFile(QStringLiteral("1-0.recovery"));
        QCOMPARE(readAll(written), left); // kept at once, under its file name
        kill(*first);

        // The next start asks, and Restore brings the character back byte for byte.
        auto second = start("restore");
        const QString again = waitForNewFile(QFileInfo(written).fileName());
        QVERIFY(second->readAllStandardError().contains(
            "recovery question: Orthavel did not close properly. Restore the unsaved character "
            "\"Ysolde\" from "));
        QCOMPARE(readAll(again), left);

        // A program starting while that one runs leaves its file alone.
        auto beside = start("discard", true);
        QVERIFY(beside->waitForFinished(10000));
        QVERIFY(!beside->readAllStandardError().contains("recovery question"));
        QCOMPARE(recoveryFiles(m_folder), QStringList{QFileInfo(again).fileName()});

        // Killed again, the character is offered again; Discard removes it, and a program that
        // ends normally leaves nothing.
        kill(*second);
        auto third = start("discard", true);
        QVERIFY(third->waitForFinished(10000));
        QCOMPARE(third->exitCode(), 0);
        QVERIFY(third->readAllStandardError().contains("recovery question"));
        QVERIFY(QDir(m_folder).entryList(QDir::Files).isEmpty());
    }

    // A damaged file is refused with a message and set aside; a saved character needs no file.
    void damagedFileIsSetAsideAndSavingRemovesTheFile() {
        QTemporaryDir folder;
        const QString damaged = folder.filePath(QStringLiteral("2-0.recovery"));
        QFile file(damaged);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("Orthavel recovery 1\n\n\x05") > 0);
        file.close();
        Frame f;
        QVERIFY(!offerRecovery(f.document, f.ui, folder.path(), nullptr));
        QCOMPARE(f.ui.messages.size(), std::size_t{1});
        QVERIFY(f.ui.messages[0].text.find("cannot be restored: its character is damaged") !=
                std::string::npos);
        QVERIFY(!QFile::exists(damaged) && QFile::exists(damaged + QStringLiteral(".damaged")));

        RecoveryFile recovery(f.document, folder.path());
        f.modify();
        QTRY_VERIFY(QFile::exists(recovery.path()));
        QVERIFY(f.frame.saveFile(folder.filePath(QStringLiteral("saved.ksc"))));
        QTRY_VERIFY(!QFile::exists(recovery.path()));
    }
};

QTEST_MAIN(RecoveryTest)
#include "recovery_test.moc"
