// Open, Save and closing with unsaved changes, on real files.

#include "GuiTestSupport.h"
#include "support/FakeInteraction.h"

#include "gui/app/CMainFrame.h"

#include <QTemporaryDir>
#include <QTest>

#ifdef __linux__
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

using namespace orthavel;
using orthavel::test::FakeInteraction;

namespace {

// Root writes into read-only folders; while this lives it gives that power up, so the folder's
// permissions count as they would for any user.
class WithoutOverride {
public:
    WithoutOverride() {
#ifdef __linux__
        if (geteuid() == 0 && syscall(SYS_capget, &m_header, m_saved) == 0) {
            __user_cap_data_struct reduced[2] = {m_saved[0], m_saved[1]};
            reduced[0].effective &= ~((1U << CAP_DAC_OVERRIDE) | (1U << CAP_DAC_READ_SEARCH));
            m_dropped = syscall(SYS_capset, &m_header, reduced) == 0;
        }
#endif
    }
    ~WithoutOverride() {
#ifdef __linux__
        if (m_dropped) {
            syscall(SYS_capset, &m_header, m_saved);
        }
#endif
    }
    WithoutOverride(const WithoutOverride&) = delete;
    WithoutOverride& operator=(const WithoutOverride&) = delete;

private:
#ifdef __linux__
    __user_cap_header_struct m_header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct m_saved[2]{};
    bool m_dropped = false;
#endif
};

struct Frame {
    CQuorvelDoc document;
    FakeInteraction ui;
    CMainFrame frame{document, ui};
};

} // namespace

class FileCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { useOwnSettings("OrthavelFileCommandsTest"); }
    void init() { QSettings().clear(); }

    void savedCharacterOpensTheSame() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("ysolde.ksc"));
        Frame f;
        f.document.record().m_strName = "Ysolde";
        f.document.record().m_aSkill[17] = 35;
        f.document.SetModifiedFlag(true);
        QVERIFY(f.frame.saveFile(path));
        QVERIFY(!f.document.IsModified());
        QVERIFY(!f.frame.isWindowModified());
        QCOMPARE(readAll(path), bytesOf(f.document));
        QVERIFY(f.frame.windowTitle().contains(QStringLiteral("ysolde.ksc")));
        QCOMPARE(f.frame.recentFiles().files().value(0), path);
        // Save goes to the character's own file.
        f.document.record().m_nAge = 77;
        f.document.SetModifiedFlag(true);
        QVERIFY(f.frame.save());
        QVERIFY(!f.document.IsModified());
        QCOMPARE(readAll(path), bytesOf(f.document));

        f.document.record().m_strName = "Someone Else";
        f.document.record().m_aSkill[17] = 0;
        f.document.record().m_nAge = 0;
        QVERIFY(f.frame.openFile(path));
        QCOMPARE(f.document.record().m_strName, std::string("Ysolde"));
        QCOMPARE(f.document.record().m_aSkill[17], 35);
        QCOMPARE(f.document.record().m_nAge, 77);
        QCOMPARE(f.document.record().m_nPage, 1);
        QVERIFY(f.ui.messages.empty());
    }

    void failedOpenLeavesTheCharacter() {
        QTemporaryDir folder;
        const struct {
            const char* name;
            QByteArray content;
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
                QVERIFY(file.open(QIODevice::WriteOnly) && file.write(c.content) >= 0);
            }
            Frame f;
            f.document.record().m_strName = "Keeper";
            f.document.SetModifiedFlag(true);
            const QByteArray before = bytesOf(f.document);

            QVERIFY2(!f.frame.openFile(path), c.name);
            QCOMPARE(bytesOf(f.document), before);
            QVERIFY(f.document.IsModified());
            QVERIFY(f.document.fileName().empty());
            QCOMPARE(f.ui.messages.size(), std::size_t{1});
            QVERIFY(f.ui.messages[0].exclamation);
            QVERIFY2(QString::fromStdString(f.ui.messages[0].text).contains(path), c.name);
            QVERIFY(f.frame.recentFiles().files().isEmpty());
        }
    }

    void failedSaveKeepsTheOldFileAndTheChanges() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("old.ksc"));
        Frame f;
        QVERIFY(f.frame.saveFile(path));
        const QByteArray old = readAll(path);
        f.document.record().m_strName = "Changed";
        f.document.SetModifiedFlag(true);
        f.frame.show();

        QVERIFY(QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner));
        {
            WithoutOverride readOnly;
            QVERIFY(!f.frame.saveFile(path));
            QCOMPARE(f.ui.messages.size(), std::size_t{1});
            QVERIFY(QString::fromStdString(f.ui.messages[0].text)
                        .startsWith(QStringLiteral("Cannot save")));
            QVERIFY(f.frame.isWindowModified());
            // Closing: the user says Save, the save fails, the window stays.
            f.ui.saveAnswers.push_back(SaveAnswer::Save);
            QVERIFY(!f.frame.close());
            QVERIFY(f.frame.isVisible());
            QCOMPARE(f.ui.messages.size(), std::size_t{2});
        }
        QVERIFY(QFile::setPermissions(folder.path(),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QCOMPARE(readAll(path), old);
        QVERIFY(f.document.IsModified());
        // Once the folder takes files again, the same answer saves and closes.
        f.ui.saveAnswers.push_back(SaveAnswer::Save);
        QVERIFY(f.frame.close());
        QCOMPARE(f.ui.saveQuestions, (std::vector<std::string>{"old.ksc", "old.ksc"}));
        QCOMPARE(readAll(path), bytesOf(f.document));
    }

    void savedNamesGetTheExtension() {
        const std::pair<const char*, const char*> cases[] = {
            {"/tmp/hero", "/tmp/hero.ksc"},
            {"/tmp/hero.ksc", "/tmp/hero.ksc"},
            {"/tmp/hero.KSC", "/tmp/hero.KSC"},
            {"/tmp/dir.d/hero", "/tmp/dir.d/hero.ksc"},
        };
        for (const auto& [chosen, saved] : cases) {
            QCOMPARE(withCharacterExtension(QString::fromUtf8(chosen)), QString::fromUtf8(saved));
        }
    }
};

QTEST_MAIN(FileCommandsTest)
#include "file_commands_test.moc"
