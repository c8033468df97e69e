// Save, a failed open, Save and Export PDF onto a full disk, and closing with unsaved changes,
// on real files (a good open: main_frame_test).

#include "GuiTestSupport.h"

#include "gui/sheet/CQuorvelView.h"

#include <QFileDialog>
#include <QTemporaryDir>
#include <QTest>

#include <sys/resource.h>

#include <csignal>

using namespace orthavel;

namespace {

// While it lives, a file cannot grow past 1 KiB: a write beyond fails as on a full disk, and
// the process is not stopped by the signal that would otherwise come with it.
class FullDisk {
public:
    FullDisk() : m_signal(std::signal(SIGXFSZ, SIG_IGN)) {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        rlimit limited = m_saved;
        limited.rlim_cur = 1024;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FullDisk() {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_signal);
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

private:
    void (*m_signal)(int);
    rlimit m_saved{};
};

} // namespace

class FileCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { useOwnSettings("OrthavelFileCommandsTest"); }
    void init() { QSettings().clear(); }

    void savedCharacterIsWrittenAsStored() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("ysolde.ksc"));
        Frame f;
        f.document.record().m_strName = "Ysolde";
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
        QVERIFY(f.ui.messages.empty());
    }

    // A damaged file is refused by the reader (the core tests): here, that the window says so.
    void failedOpenLeavesTheCharacter() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("missing.ksc"));
        Frame f;
        f.modify();
        const QByteArray before = bytesOf(f.document);
        QVERIFY(!f.frame.openFile(path));
        QCOMPARE(bytesOf(f.document), before);
        QVERIFY(f.document.IsModified());
        QCOMPARE(f.ui.messages.size(), std::size_t{1});
        QVERIFY(f.ui.messages[0].exclamation);
        QCOMPARE(QString::fromStdString(f.ui.messages[0].text),
                 QStringLiteral("Cannot open \"%1\": the file does not exist.").arg(path));
        QVERIFY(f.frame.recentFiles().files().isEmpty());
    }

    void failedSaveOrExportKeepsTheOldFileAndTheChanges() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("old.ksc"));
        const QString pdf = folder.filePath(QStringLiteral("old.pdf"));
        Frame f;
        QVERIFY(f.frame.saveFile(path));
        QVERIFY(!f.frame.view()->exportPdfTo(pdf));
        const QByteArray old = readAll(path);
        const QByteArray oldPdf = readAll(pdf);
        f.modify();
        f.frame.show();
        f.frame.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f.frame));
        {
            FullDisk full;
            QTest::keyClick(&f.frame, Qt::Key_S, Qt::ControlModifier);
            // Closing: the user says Save, the save fails, the window stays.
            f.ui.saveAnswers.push_back(SaveAnswer::Save);
            QVERIFY(!f.frame.close());
            QVERIFY(f.frame.isVisible());
            whenOpen<QFileDialog>([&](QFileDialog* dialog) {
                dialog->setOption(QFileDialog::DontConfirmOverwrite);
                dialog->selectFile(pdf);
                static_cast<QDialog*>(dialog)->accept(); // as the Save button does
            });
            f.frame.view()->exportPdf();
        }
        QCOMPARE(f.ui.messages.size(), std::size_t{3});
        for (std::size_t i = 0; i < 3; ++i) {
            const QString text = QString::fromStdString(f.ui.messages[i].text);
            QVERIFY2(text.startsWith(i < 2 ? QStringLiteral("Cannot save \"%1\"").arg(path)
                                           : QStringLiteral("Cannot write \"%1\"").arg(pdf)) &&
                         text.contains(QStringLiteral("File too large")),
                     qPrintable(text));
        }
        QCOMPARE(readAll(path), old);
        QCOMPARE(readAll(pdf), oldPdf);
        QVERIFY(f.document.IsModified());
        QVERIFY(f.frame.isWindowModified());
        // Once files may grow again, the same answer saves and closes.
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
