// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Recovery after a crash: the desktop program killed with an unsaved character leaves it behind,
// and the next start offers it; a running program's file is never offered, and a damaged one is
// refused and set aside.

#include "GuiTestSupport.h"

#include "core/document/RecoveryContent.h"
#include "gui/app/RecoveryFile.h"
#include "qtcommon/CharacterFileIO.h"
#include "qtcommon/SafeFile.h"

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

    // Leaves a recovery file as a program that crashed would; its path, or nothing.
    static QString plant(const QString& folder, const QString& name, const QByteArray& bytes) {
        const QString path = QDir(folder).filePath(name);
        return QDir().mkpath(folder) && !writeWholeFile(path, bytes) ? path : QString();
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

private Q_SLOTS:
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
        QVERIFY(!plant(m_folder, QStringLiteral("1-0.recovery"), left).isEmpty());

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
        QVERIFY(third->waitForFinished(10000) && third->exitCode() == 0);
        QVERIFY(third->readAllStandardError().contains("recovery question"));
        QVERIFY(QDir(m_folder).entryList(QDir::Files).isEmpty());
    }

    // The file a restored character belongs to is shown in the question; a path that is not
    // absolute, or names something that is not a character file, comes back unnamed, and the
    // file it names is never touched.
    void aRestoredCharacterKeepsOnlyTheNameOfACharacterFile() {
        const QString notes = m_home.filePath(QStringLiteral("notes.txt"));
        QVERIFY(!plant(m_home.path(), QStringLiteral("notes.txt"), "my notes").isEmpty());
        const QString hero = writeCharacter(m_home.filePath(QStringLiteral("hero.ksc")), {});
        const QString missing = m_home.filePath(QStringLiteral("missing.ksc"));
        const std::pair<QString, QString> cases[] = {
            {notes, {}},         {QStringLiteral("relative/ysolde.ksc"), {}},
            {m_home.path(), {}}, {hero, hero},
            {missing, missing},
        };
        for (const auto& [left, restored] : cases) {
            clearFolder();
            const QString planted =
                plant(m_folder, QStringLiteral("7-0.recovery"),
                      QByteArray::fromStdString(storeRecovery(toPath(left), {})));
            auto program = start("restore");
            const QString kept = waitForNewFile(QFileInfo(planted).fileName());
            QVERIFY2(
                program->readAllStandardError().contains(QByteArray('"' + left.toUtf8() + '"')),
                qPrintable(left));
            // The path line of the file the program keeps for the restored character.
            QCOMPARE(QString::fromUtf8(readAll(kept).split('\n').value(1)), restored);
            kill(*program);
        }
        clearFolder();
        QCOMPARE(readAll(notes), QByteArray("my notes"));
    }

    // Restored under its file's name, the character is saved there only once the player has
    // confirmed it in Save As; after that, Save writes without asking.
    void theFirstSaveAfterARestoreAsksWhere() {
        QTemporaryDir folder;
        const QString hero = writeCharacter(folder.filePath(QStringLiteral("hero.ksc")), {});
        QVERIFY(!plant(folder.path(), QStringLiteral("8-0.recovery"),
                       QByteArray::fromStdString(storeRecovery(toPath(hero), {})))
                     .isEmpty());
        whenOpen<QMessageBox>([](QMessageBox* box) { // the question itself, answered Restore
            buttonCaptioned(*box, QStringLiteral("&Restore"))->click();
        });
        Frame f;
        QVERIFY(offerRecovery(f.document, f.ui, folder.path(), &f.frame));
        QStringList proposed;
        whenOpen<QFileDialog>([&](QFileDialog* dialog) {
            proposed = dialog->selectedFiles();
            static_cast<QDialog*>(dialog)->done(QDialog::Accepted);
        });
        QVERIFY(f.frame.save());
        QCOMPARE(proposed, QStringList{hero});
        f.document.record().m_nAge = 30;
        QVERIFY(f.frame.save()); // no dialog: it would wait for an answer
        QCOMPARE(readAll(hero), bytesOf(f.document));
    }

    // A file that cannot be read is never removed: it is set aside under the first free name, or
    // left where it is, and the message says where it is now. A lock that is no lock (a folder)
    // does not hide its file: it is offered, with a note.
    void filesThatCannotBeReadOrLockedAreKept() {
        for (const int taken : {9, 10}) {
            clearFolder();
            const QByteArray damaged("Orthavel recovery 1\n\n\x05");
            const QString path = plant(m_folder, QStringLiteral("9-0.recovery"), damaged);
            QString aside = path + QStringLiteral(".damaged");
            for (int i = 1; i <= taken; ++i) {
                QVERIFY(QDir().mkpath(aside));
                aside = path + QStringLiteral(".damaged.%1").arg(i);
            }
            const QString now = taken == 9 ? aside : path;
            CharacterRecord named; // a long name, cut in the question
            named.m_strName = std::string(150, 'N');
            const QString locked = plant(m_folder, QStringLiteral("10-0.recovery"),
                                         QByteArray::fromStdString(storeRecovery({}, named)));
            QVERIFY(QDir().mkpath(locked + QStringLiteral(".lock")));
            // Nor is a roll log that is none: it is set aside, which the terminal is told.
            plant(QFileInfo(m_folder).path(), QStringLiteral("roll-log.txt"), "no log");
            // A byte more than 64 MiB, and no disk taken: never read.
            QFile huge(QDir(m_folder).filePath(QStringLiteral("11-0.recovery")));
            QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize((qint64{64} << 20) + 1));
            auto program = start("discard", true);
            QVERIFY(program->waitForFinished(10000));
            const QByteArray said = program->readAllStandardError();
            QVERIFY2(said.contains(QByteArray("recovery message: The unsaved character in \"" +
                                              path.toUtf8() +
                                              "\" cannot be restored: its character is damaged")) &&
                         said.contains(QByteArray('"' + now.toUtf8() + "\".\n")),
                     said.constData());
            QCOMPARE(readAll(now), damaged);
            QVERIFY(said.contains("11-0.recovery\" cannot be restored: it is far larger than a "
                                  "character") &&
                    said.contains(
                        QByteArray(QByteArray(100, 'N') + "\xE2\x80\xA6\", never saved, kept")) &&
                    said.contains("its lock is damaged") && !QFile::exists(locked) &&
                    said.contains("orthavel: The roll log cannot be read; it was set aside as"));
        }
        clearFolder();
    }

    // A recovery file that cannot be written (its folder is a file, or its own name a folder) is
    // reported in the status bar once, and again when it can be written, and when it fails again.
    void aFailingAutosaveIsShownInTheStatusBar() {
        for (const bool folderBlocked : {true, false}) {
            QTemporaryDir home;
            Frame f;
            QStatusBar* bar = f.frame.statusBar();
            RecoveryFile recovery(f.document, home.filePath(QStringLiteral("recovery")), &f.frame);
            const auto block = [&](bool folder) {
                return folder ? !plant(home.path(), QStringLiteral("recovery"), {}).isEmpty()
                              : QDir().mkpath(recovery.path());
            };
            QVERIFY(block(folderBlocked));
            const QString shown[] = {QStringLiteral("Autosave is failing:"), QString(),
                                     QStringLiteral("Autosave works again"),
                                     QStringLiteral("Autosave is failing:")};
            for (int age = 0; age < 4; ++age) {
                bar->clearMessage();
                if (age == 2) {
                    QVERIFY(QFile::remove(home.filePath(QStringLiteral("recovery"))) ||
                            QDir().rmdir(recovery.path()));
                } else if (age == 3) {
                    QVERIFY(QFile::remove(recovery.path()) && block(false));
                }
                f.document.record().m_nAge = age;
                f.document.SetModifiedFlag(true);
                f.document.UpdateAllViews();
                QTest::qWait(50);
                QCOMPARE(bar->currentMessage().left(20), shown[age]);
            }
        }
    }

    // A damaged file is told in a message box (where it goes: above); a saved character, or one
    // given up as the program ends, needs no recovery file.
    void damagedFileIsToldAndSavingRemovesTheFile() {
        QTemporaryDir folder;
        plant(folder.path(), QStringLiteral("2-0.recovery"), "Orthavel recovery 1\n\n\x05");
        Frame f;
        QVERIFY(!offerRecovery(f.document, f.ui, folder.path(), nullptr));
        QVERIFY(f.ui.messages.size() == 1 && f.ui.messages[0].exclamation);
        auto recovery = std::make_unique<RecoveryFile>(f.document, folder.path());
        const QString path = recovery->path();
        f.modify();
        QTRY_VERIFY(QFile::exists(path));
        QVERIFY(f.frame.saveFile(folder.filePath(QStringLiteral("saved.ksc"))));
        QTRY_VERIFY(!QFile::exists(path));
        // Changes not saved when the program ends normally (Don't Save) are not offered again.
        f.modify();
        QTRY_VERIFY(QFile::exists(path));
        recovery.reset();
        QVERIFY(!QFile::exists(path));
    }
};

QTEST_MAIN(RecoveryTest)
#include "recovery_test.moc"
