// Recovery after a crash: the desktop program killed with an unsaved character leaves it behind,
// and the next start offers it; a running program's file is never offered, and a damaged one is
// refused and set aside.

#include "GuiTestSupport.h"

#include "core/document/RecoveryContent.h"
#include "gui/app/RecoveryFile.h"
#include "qtcommon/CharacterFileIO.h"

#include <QDir>
#include <QFileDialog>
#include <QProcess>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

using namespace orthavel;

namespace {

constexpr QFile::Permissions kOthers = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                       QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;

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

    // Leaves a recovery file of a program that crashed, and a lock beside it when asked.
    QString plant(const QString& name, const QByteArray& bytes) {
        const QString path = QDir(m_folder).filePath(name);
        QFile file(path);
        if (!QDir().mkpath(m_folder) || !file.open(QIODevice::WriteOnly) ||
            file.write(bytes) != bytes.size()) {
            return {};
        }
        return path;
    }

    // Empties the recovery folder.
    void clearFolder() {
        QDir(m_folder).removeRecursively();
        QVERIFY(QDir().mkpath(m_folder));
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
        // Only its owner may read it, even in a folder made before.
        QCOMPARE(QFileInfo(written).permissions() & kOthers, QFile::Permissions());
        QCOMPARE(QFileInfo(m_folder).permissions() & kOthers, QFile::Permissions());
        kill(*first);

        // The next start asks, and Restore brings the character back byte for byte.
        auto second = start("restore");
        const QString again = waitForNewFile(QFileInfo(written).fileName());
        QVERIFY(second->readAllStandardError().contains(
            "recovery question: Orthavel did not close properly. Restore the unsaved character "
            "\"Ysolde\" of \"/tmp/ysolde.ksc\", kept "));
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

    // The file a restored character belongs to is shown in the question; a path that is not
    // absolute, or names something that is not a character file, comes back unnamed, and the
    // file it names is never touched.
    void aRestoredCharacterKeepsOnlyTheNameOfACharacterFile() {
        clearFolder();
        const QString notes = m_home.filePath(QStringLiteral("notes.txt"));
        const QString hero = writeCharacter(m_home.filePath(QStringLiteral("hero.ksc")), {});
        const QString missing = m_home.filePath(QStringLiteral("missing.ksc"));
        QFile text(notes);
        QVERIFY(text.open(QIODevice::WriteOnly) && text.write("my notes\n") == 9);
        text.close();
        const struct {
            QString left, restored;
        } cases[] = {
            {notes, {}},         {QStringLiteral("relative/ysolde.ksc"), {}},
            {m_home.path(), {}}, {hero, hero},
            {missing, missing},
        };
        for (const auto& c : cases) {
            CharacterRecord ysolde;
            ysolde.m_strName = "Ysolde";
            const QString planted =
                plant(QStringLiteral("7-0.recovery"),
                      QByteArray::fromStdString(storeRecovery(toPath(c.left), ysolde)));
            auto program = start("restore");
            const QString kept = waitForNewFile(QFileInfo(planted).fileName());
            QVERIFY2(!kept.isEmpty(), qPrintable(c.left));
            QVERIFY2(program->readAllStandardError().contains(
                         QStringLiteral("\"%1\"").arg(c.left).toUtf8()),
                     qPrintable(c.left));
            RecoveryContent content;
            const QByteArray bytes = readAll(kept);
            QVERIFY(loadRecovery(std::span(reinterpret_cast<const unsigned char*>(bytes.data()),
                                           static_cast<std::size_t>(bytes.size())),
                                 content));
            QCOMPARE(QString::fromStdString(content.fileName.string()), c.restored);
            kill(*program);
            clearFolder();
        }
        QCOMPARE(readAll(notes), QByteArray("my notes\n"));
    }

    // Restored under its file's name, the character is saved there only once the player has
    // confirmed it in Save As; after that, Save writes without asking.
    void theFirstSaveAfterARestoreAsksWhere() {
        QTemporaryDir folder;
        const QString hero = writeCharacter(folder.filePath(QStringLiteral("hero.ksc")), {});
        CharacterRecord ysolde;
        ysolde.m_strName = "Ysolde";
        QFile left(folder.filePath(QStringLiteral("8-0.recovery")));
        QVERIFY(left.open(QIODevice::WriteOnly) &&
                left.write(QByteArray::fromStdString(storeRecovery(toPath(hero), ysolde))) > 0);
        left.close();
        qputenv("ORTHAVEL_RECOVERY_ANSWER", "restore");
        Frame f;
        QVERIFY(offerRecovery(f.document, f.ui, folder.path(), &f.frame));
        qunsetenv("ORTHAVEL_RECOVERY_ANSWER");
        QStringList proposed;
        whenOpen<QFileDialog>([&](QFileDialog* dialog) {
            proposed = dialog->selectedFiles();
            static_cast<QDialog*>(dialog)->done(QDialog::Accepted);
        });
        QVERIFY(f.frame.save());
        QCOMPARE(proposed, QStringList{hero});
        QCOMPARE(readAll(hero), bytesOf(f.document));
        f.document.record().m_nAge = 30;
        QVERIFY(f.frame.save()); // no dialog: it would wait for an answer
        QCOMPARE(readAll(hero), bytesOf(f.document));
    }

    // A file that cannot be read is never removed: it is set aside under the first free name,
    // or left where it is, and the message says where it is now.
    void aDamagedFileIsKeptWhereTheMessageSays() {
        for (const int taken : {1, 10}) {
            clearFolder();
            const QByteArray damaged("Orthavel recovery 1\n\n\x05");
            const QString path = plant(QStringLiteral("9-0.recovery"), damaged);
            QString aside = path + QStringLiteral(".damaged");
            for (int i = 0; i < taken; ++i) {
                QVERIFY(QDir().mkpath(aside));
                aside = path + QStringLiteral(".damaged.%1").arg(i + 1);
            }
            const QString now = taken == 1 ? aside : path;
            auto program = start("discard", true);
            QVERIFY(program->waitForFinished(10000));
            const QByteArray said = program->readAllStandardError();
            QVERIFY2(said.contains("recovery message: The unsaved character in \"" + path.toUtf8() +
                                   "\" cannot be restored: its character is "
                                   "damaged"),
                     said.constData());
            QVERIFY2(said.contains("\"" + now.toUtf8() + "\""), said.constData());
            QCOMPARE(readAll(now), damaged);
        }
        clearFolder();
    }

    // A lock that is not a lock (a folder) does not hide its file: it is offered with a note.
    void aFileWithADamagedLockIsOffered() {
        clearFolder();
        const QString path = plant(QStringLiteral("10-0.recovery"),
                                   QByteArray::fromStdString(storeRecovery({}, {})));
        QVERIFY(QDir().mkpath(path + QStringLiteral(".lock")));
        auto program = start("discard", true);
        QVERIFY(program->waitForFinished(10000));
        QVERIFY(program->readAllStandardError().contains("its lock is damaged"));
        QVERIFY(!QFile::exists(path));
        clearFolder();
    }

    // A recovery file that cannot be written is reported in the status bar once, and again when
    // it can be written.
    void aFailingAutosaveIsShownInTheStatusBar() {
        QTemporaryDir home;
        const QString blocked = home.filePath(QStringLiteral("recovery"));
        QFile file(blocked);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        Frame f;
        QStatusBar* bar = f.frame.statusBar();
        RecoveryFile recovery(f.document, blocked, &f.frame);
        f.modify();
        QTRY_VERIFY(bar->currentMessage().startsWith(QStringLiteral("Autosave is failing")));
        bar->clearMessage();
        f.document.record().m_nAge = 12;
        f.document.UpdateAllViews();
        QTest::qWait(50);
        QCOMPARE(bar->currentMessage(), QString());
        QVERIFY(QFile::remove(blocked));
        f.document.record().m_nAge = 13;
        f.document.UpdateAllViews();
        QTRY_COMPARE(bar->currentMessage(), QStringLiteral("Autosave works again."));
        QVERIFY(QFile::exists(recovery.path()));
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
