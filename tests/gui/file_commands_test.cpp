// Open, Save and closing with unsaved changes, on real files.

#include "FakeInteraction.h"

#include "core/document/CQuorvelDoc.h"
#include "gui/app/CMainFrame.h"

#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#ifdef __linux__
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

using namespace orthavel;

namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray bytesOf(const CQuorvelDoc& document) {
    return QByteArray::fromStdString(document.SaveBytes());
}

// Root writes into read-only folders; for the length of a test it gives that power up, so the
// folder's permissions count as they would for any user.
class WithoutOverride {
public:
    WithoutOverride() {
#ifdef __linux__
        if (geteuid() != 0) {
            return;
        }
        __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
        if (syscall(SYS_capget, &header, m_saved) != 0) {
            return;
        }
        __user_cap_data_struct reduced[2] = {m_saved[0], m_saved[1]};
        reduced[0].effective &= ~((1U << CAP_DAC_OVERRIDE) | (1U << CAP_DAC_READ_SEARCH));
        m_dropped = syscall(SYS_capset, &header, reduced) == 0;
#endif
    }
    ~WithoutOverride() {
#ifdef __linux__
        if (m_dropped) {
            __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
            syscall(SYS_capset, &header, m_saved);
        }
#endif
    }
    WithoutOverride(const WithoutOverride&) = delete;
    WithoutOverride& operator=(const WithoutOverride&) = delete;

private:
#ifdef __linux__
    __user_cap_data_struct m_saved[2]{};
    bool m_dropped = false;
#endif
};

} // namespace

class FileCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName(QStringLiteral("Orthavel"));
        // A settings file of its own, so test programs running side by side keep apart.
        QCoreApplication::setApplicationName(QStringLiteral("OrthavelFileCommandsTest"));
    }
    void init() { QSettings().clear(); }

    void saveThenOpenGivesTheSameCharacter() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("ysolde.ksc"));
        CQuorvelDoc document;
        FakeInteraction ui;
        CMainFrame frame(document, ui);
        document.record().m_strName = "Ysolde";
        document.record().m_aSkill[17] = 35;
        document.SetModifiedFlag(true);
        const QByteArray saved = bytesOf(document);

        QVERIFY(frame.saveFile(path));
        QVERIFY(!document.IsModified());
        QVERIFY(!frame.isWindowModified());
        QCOMPARE(readAll(path), saved);
        QVERIFY(frame.windowTitle().contains(QStringLiteral("ysolde.ksc")));
        QCOMPARE(frame.recentFiles().files().value(0), path);

        document.record().m_strName = "Someone Else";
        document.record().m_aSkill[17] = 0;
        QVERIFY(frame.openFile(path));
        QCOMPARE(document.record().m_strName, std::string("Ysolde"));
        QCOMPARE(document.record().m_aSkill[17], 35);
        QCOMPARE(document.record().m_nPage, 1);
        QVERIFY(ui.messages.empty());
    }

    void saveGoesToTheDocumentsOwnFile() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("named.ksc"));
        CQuorvelDoc document;
        FakeInteraction ui;
        CMainFrame frame(document, ui);
        QVERIFY(frame.saveFile(path));
        document.record().m_nAge = 77;
        document.SetModifiedFlag(true);
        QVERIFY(frame.save());
        QCOMPARE(readAll(path), bytesOf(document));
        QVERIFY(!document.IsModified());
    }

    void failedOpenLeavesTheCharacter() {
        QTemporaryDir folder;
        const struct {
            const char* name;
            QByteArray content; // empty name: no file at all
            bool create;
        } cases[] = {
            {"missing.ksc", {}, false},
            {"short.ksc", QByteArray("KSC\x01", 4), true},
            {"empty.ksc", {}, true},
        };
        for (const auto& c : cases) {
            const QString path = folder.filePath(QString::fromUtf8(c.name));
            if (c.create) {
                QFile file(path);
                QVERIFY(file.open(QIODevice::WriteOnly));
                file.write(c.content);
            }
            CQuorvelDoc document;
            FakeInteraction ui;
            CMainFrame frame(document, ui);
            document.record().m_strName = "Keeper";
            document.SetModifiedFlag(true);
            const QByteArray before = bytesOf(document);

            QVERIFY(!frame.openFile(path));
            QCOMPARE(bytesOf(document), before);
            QVERIFY(document.IsModified());
            QVERIFY(document.fileName().empty());
            QCOMPARE(ui.messages.size(), std::size_t{1});
            QVERIFY(ui.messages[0].exclamation);
            QVERIFY2(QString::fromStdString(ui.messages[0].text).contains(path), c.name);
            QVERIFY(frame.recentFiles().files().isEmpty());
        }
    }

    void failedSaveKeepsTheOldFileAndTheChanges() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("old.ksc"));
        CQuorvelDoc document;
        FakeInteraction ui;
        CMainFrame frame(document, ui);
        QVERIFY(frame.saveFile(path));
        const QByteArray old = readAll(path);
        document.record().m_strName = "Changed";
        document.SetModifiedFlag(true);

        QVERIFY(QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner));
        {
            WithoutOverride readOnly;
            QVERIFY(!frame.saveFile(path));
            QCOMPARE(ui.messages.size(), std::size_t{1});
            QVERIFY(QString::fromStdString(ui.messages[0].text)
                        .startsWith(QStringLiteral("Cannot save")));
            QVERIFY(document.IsModified());
            QVERIFY(frame.isWindowModified());

            // Closing: the user says Save, the save fails, the window stays.
            frame.show();
            ui.saveAnswers.push_back(SaveAnswer::Save);
            QVERIFY(!frame.close());
            QVERIFY(frame.isVisible());
            QCOMPARE(ui.messages.size(), std::size_t{2});
        }
        QVERIFY(QFile::setPermissions(folder.path(),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QCOMPARE(readAll(path), old);
        QVERIFY(document.IsModified());
    }

    void closingSavesANamedCharacter() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("kept.ksc"));
        CQuorvelDoc document;
        FakeInteraction ui;
        CMainFrame frame(document, ui);
        QVERIFY(frame.saveFile(path));
        document.record().m_nAge = 90;
        document.SetModifiedFlag(true);
        frame.show();
        ui.saveAnswers.push_back(SaveAnswer::Save);
        QVERIFY(frame.close());
        QCOMPARE(ui.saveQuestions, (std::vector<std::string>{"kept.ksc"}));
        QCOMPARE(readAll(path), bytesOf(document));
    }

    void savedNamesGetTheExtension() {
        const struct {
            const char* chosen;
            const char* saved;
        } cases[] = {
            {"/tmp/hero", "/tmp/hero.ksc"},
            {"/tmp/hero.ksc", "/tmp/hero.ksc"},
            {"/tmp/hero.KSC", "/tmp/hero.KSC"},
            {"/tmp/dir.d/hero", "/tmp/dir.d/hero.ksc"},
        };
        for (const auto& c : cases) {
            QCOMPARE(withCharacterExtension(QString::fromUtf8(c.chosen)),
                     QString::fromUtf8(c.saved));
        }
    }
};

QTEST_MAIN(FileCommandsTest)
#include "file_commands_test.moc"
