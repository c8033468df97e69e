// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window: where it goes, its menus (built from the command table: every entry in its menu
// and order, with its separators, shortcut, status-bar text and tooltip), toolbar and status bar,
// how its commands reach the document; and its file commands on real files: Save, a failed open,
// Save and Export PDF onto a full disk, closing with unsaved changes.

#include "GuiTestSupport.h"

#include "core/document/Commands.h"
#include "core/sheet/Page23Layout.h"
#include "core/statblock/StatBlock.h"
#include "gui/app/CMainFrame.h"
#include "gui/app/DrawnIcon.h"
#include "gui/app/FileDialogs.h"
#include "gui/app/LockIndicators.h"
#include "gui/app/PartyDock.h"
#include "gui/app/RollLogDock.h"
#include "gui/app/RollLogFile.h"
#include "gui/dialogs/DialogLook.h"
#include "gui/dialogs/HelpDialogs.h"
#include "gui/sheet/CQuorvelView.h"
#include "qtcommon/QtText.h"
#include "qtcommon/SafeFile.h"
#include "qtsheet/QtTextMetrics.h"
#include "qtsheet/SheetFonts.h"
#include "qtsheet/SheetPictures.h"

#include <QAction>
#include <QClipboard>
#include <QDesktopServices>
#include <QDragEnterEvent>
#include <QFileDialog>
#include <QListView>
#include <QMimeData>
#include <QPrinterInfo>
#include <QScrollBar>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QToolBar>

#include <sys/resource.h>

#include <algorithm>
#include <csignal>
#include <functional>
#include <tuple>

using namespace orthavel;

namespace {

// Runs action while a file cannot grow past 1 KiB: a write beyond fails as on a full disk, and
// the process is not stopped by the signal that would otherwise come with it.
void onFullDisk(const std::function<void()>& action) {
    const auto signal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const rlimit limited{1024, saved.rlim_max};
    setrlimit(RLIMIT_FSIZE, &limited);
    action();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, signal);
}

} // namespace

class MainFrameTest : public QObject {
    Q_OBJECT
    QList<QUrl> m_opened; // what the desktop was asked to show

public Q_SLOTS:
    void openUrl(const QUrl& url) { m_opened.append(url); }

private Q_SLOTS:
    void initTestCase() { useOwnSettings("OrthavelMainFrameTest"); }
    void init() { QSettings().clear(); }

    void windowFitsTheScreen() {
        const std::pair<QRect, QRect> cases[] = {
            {{0, 0, 640, 480}, {0, 0, 640, 480}},
            {{0, 0, 800, 400}, {0, 0, 640, 400}},
            {{0, 0, 600, 900}, {0, 0, 600, 480}},
            {{0, 30, 1920, 1050}, {0, 30, 640, 480}},
        };
        for (const auto& [screen, window] : cases) {
            QCOMPARE(mainWindowGeometry(screen), window);
        }
        Frame f;
        QVERIFY(opened(f.frame));
        const QRect expected = mainWindowGeometry(f.frame.screen()->availableGeometry());
        QCOMPARE(QRect(f.frame.pos(), f.frame.size()), expected);
        QCOMPARE(f.frame.minimumSize(), f.frame.maximumSize());
        QVERIFY(!(f.frame.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(f.frame.windowFlags() & Qt::WindowMinimizeButtonHint);
    }

    void recentFilesKeepTheFourNewestAcrossRuns() {
        QTemporaryDir folder;
        QStringList files;
        for (int i = 0; i < 5; ++i) {
            files.append(writeCharacter(folder.filePath(QStringLiteral("c%1.ksc").arg(i)), {}));
        }
        {
            Frame first;
            for (const auto& file : files) {
                QVERIFY(first.frame.openFile(file));
                QVERIFY(first.frame.recentFileActions()[0]->text().endsWith(
                    QFileInfo(file).fileName()));
            }
        }
        Frame f; // as after a restart
        QCOMPARE(f.frame.recentFiles().files(),
                 (QStringList{files[4], files[3], files[2], files[1]}));
        const auto& entries = f.frame.recentFileActions();
        for (int i = 0; i < 4; ++i) {
            const QAction* entry = entries[static_cast<std::size_t>(i)];
            QVERIFY(entry->isVisible());
            QVERIFY(entry->text().startsWith(QStringLiteral("&%1 ").arg(i + 1)));
            QVERIFY(entry->text().endsWith(QStringLiteral("c%1.ksc").arg(4 - i)));
            QCOMPARE(entry->statusTip(), QStringLiteral("Open this document"));
        }
        // A recent file that can no longer be opened is reported and leaves the list; the
        // character and its changes stay.
        QVERIFY(QFile::remove(files[3]));
        f.modify();
        f.ui.saveAnswers.push_back(SaveAnswer::Discard);
        const QByteArray before = bytesOf(f.document);
        entries[1]->trigger();
        QVERIFY(f.ui.messages.size() == 1 && f.ui.messages[0].exclamation);
        QCOMPARE(QString::fromStdString(f.ui.messages[0].text),
                 QStringLiteral("Cannot open \"%1\": the file does not exist.").arg(files[3]));
        QCOMPARE(bytesOf(f.document), before);
        QVERIFY(f.document.IsModified());
        QCOMPARE(f.frame.recentFiles().files(), (QStringList{files[4], files[2], files[1]}));
        QVERIFY(!entries[3]->isVisible());
    }

    void toolbarButtonsInOrderAndTheBarsToggled() {
        Frame f;
        QToolBar* bar = f.frame.toolBar();
        for (const QAction* action : bar->actions()) { // in order: dialog_look_test
            QVERIFY(action->isSeparator() || !action->icon().pixmap(37).isNull()); // not drawn
        }
        // At the bar's sizes the build drew them, so the start-up draws none: each is there even
        // where its SVG is not.
        for (const Command& command : commandTable()) {
            const QIcon icon = drawnIcon(QStringLiteral("/nowhere/") + toQString(command.icon));
            QVERIFY(command.icon.empty() ||
                    (!icon.pixmap(QSize(16, 15)).isNull() && !icon.pixmap(QSize(32, 30)).isNull()));
        }
        QVERIFY(bar->isMovable() && bar->isFloatable());
        QCOMPARE(bar->allowedAreas(), Qt::AllToolBarAreas);
        QCOMPARE(f.frame.toolBarArea(bar), Qt::TopToolBarArea);

        // The View menu shows and hides the toolbar and the status bar.
        QVERIFY(opened(f.frame));
        const std::pair<CommandId, QWidget*> toggles[] = {
            {CommandId::Toolbar, f.frame.toolBar()}, {CommandId::StatusBar, f.frame.statusBar()}};
        for (const auto& [id, bar] : toggles) {
            for (const bool shown : {false, true}) {
                f.frame.commandAction(id)->trigger();
                QCOMPARE(bar->isVisible(), shown);
                QCOMPARE(f.frame.commandAction(id)->isChecked(), shown);
            }
        }
    }

    // Help > About: the culture book's cover in colour, as the main menu shows it lit, at its
    // full size, beside the version line.
    void aboutShowsTheCultureBookCover() {
        const auto about = makeAboutDialog(nullptr);
        const auto* picture = about->findChild<QLabel*>(QStringLiteral("aboutPicture"));
        QVERIFY(picture != nullptr);
        const QPixmap shown = picture->pixmap();
        QCOMPARE(shown.deviceIndependentSize(), QSizeF(200, 258));
        QCOMPARE(shown.toImage().convertToFormat(QImage::Format_RGB32),
                 SheetPictures().image(PictureId::FullCoverLit));
        QVERIFY(labelTexts(*about).join(u' ').contains(QStringLiteral("version 3 or later")));
    }

    // Each command that asks first opens its own dialog (how the dialogs look: dialog_look_test),
    // and Escape leaves the character and the party as they were; Help's web pages open in the
    // browser.
    void commandsOpenTheirDialogsAndPages() {
        QTemporaryDir folder;
        const QString party = folder.filePath(QStringLiteral("p.kparty"));
        Frame f;
        QVERIFY(!writeWholeFile(party,
                                R"({"format": "orthavel-party", "version": 1, "members": []})") &&
                f.frame.partyDock()->openParty(party) && opened(f.frame));
        const QByteArray before = bytesOf(f.document) + readAll(party);
        QStringList shown;
        using C = CommandId;
        for (const CommandId id :
             {C::Open, C::SaveAs, C::Print, C::PrintPreview, C::PrintSetup, C::ExportPdf,
              C::ExportHtml, C::NewParty, C::OpenParty, C::SavePartyAs, C::AddCharacters,
              C::AddFolder, C::PrintSummary, C::ExportSummary, C::GeneralHelp, C::About,
              C::LegalDisclaimer}) {
            whenOpen<QDialog>([&shown](QDialog* dialog) {
                shown.append(dialog->windowTitle());
                QTest::keyClick(dialog, Qt::Key_Escape);
            });
            f.frame.commandAction(id)->trigger();
        }
        QCOMPARE(
            shown.join(QStringLiteral(", ")),
            QStringLiteral("Open, Save As, Print, Print Preview, Page Setup, Export PDF, Export "
                           "Stat Block as HTML, New Party, Open Party, Save Party As, Add "
                           "Characters, Add Folder, Print Preview, Export Summary as PDF, "
                           "General Help, About Orthavel Computer Aided Roleplaying, Legal "
                           "Information"));
        QVERIFY(bytesOf(f.document) + readAll(party) == before && !f.document.IsModified());
        // The help page, the updates and the game's site open in the desktop's browser.
        for (const auto* scheme : {"file", "https"}) {
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "openUrl");
        }
        for (const auto id : {CommandId::LocalHelp, CommandId::UpdatesSite, CommandId::GameSite}) {
            f.frame.commandAction(id)->trigger();
        }
        QCOMPARE(m_opened, (QList<QUrl>{QUrl::fromLocalFile(localHelpPage()),
                                        QUrl(QStringLiteral(ORTHAVEL_UPDATES_URL)),
                                        QUrl(QStringLiteral(ORTHAVEL_GAME_URL))}));
        for (const auto* scheme : {"file", "https"}) {
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
        }
    }

    void lockPanesFollowTheKeys() {
        Frame f;
        const QString x11 = QStringLiteral("xcb"), win = QStringLiteral("windows"),
                      other = QStringLiteral("offscreen");
        const auto press = QEvent::KeyPress, release = QEvent::KeyRelease;
        const LockStates off{}, caps{true, false, false}, num{false, true, false},
            scroll{false, false, true}, capsNum{true, true, false}, all{true, true, true};
        const struct {
            const QString& platform;
            LockStates before;
            QEvent::Type type;
            int key;
            quint32 modifiers;
            LockStates after;
        } cases[] = {
            // X11: the state comes with every key; a lock key's press toggles it.
            {x11, off, press, Qt::Key_A, 0x02 | 0x10, capsNum},
            {x11, capsNum, press, Qt::Key_A, 0, off},
            {x11, off, press, Qt::Key_CapsLock, 0, caps},
            {x11, caps, press, Qt::Key_CapsLock, 0x02, off},
            {x11, caps, release, Qt::Key_CapsLock, 0, caps},
            {x11, off, press, Qt::Key_NumLock, 0, num},
            {x11, scroll, press, Qt::Key_ScrollLock, 0, off},
            // Windows reports all three.
            {win, off, press, Qt::Key_A, 0x100 | 0x200 | 0x400, all},
            {win, all, release, Qt::Key_A, 0, off},
            // Elsewhere only the presses count.
            {other, off, press, Qt::Key_CapsLock, 0, caps},
            {other, caps, press, Qt::Key_A, 0, caps},
            {other, num, press, Qt::Key_NumLock, 0, off},
            {other, off, release, Qt::Key_NumLock, 0, off},
        };
        for (int row = 0; const auto& c : cases) {
            QVERIFY2(lockStatesAfter(c.platform, c.before, c.type, c.key, c.modifiers) == c.after,
                     qPrintable(QString::number(row++)));
        }
        // A key as the platform delivers it lights its pane.
        QVERIFY(opened(f.frame));
        QTest::keyClick(f.frame.windowHandle(), Qt::Key_CapsLock);
        for (const QLabel* pane : f.frame.statusBar()->findChildren<QLabel*>()) {
            QCOMPARE(pane->isEnabled(), pane->text() != QStringLiteral("NUM") &&
                                            pane->text() != QStringLiteral("SCRL"));
        }
    }

    void openedOrSavedFileNamesTheWindowAndOpenedSetsTheRulesTipsCheck() {
        QTemporaryDir folder;
        CharacterRecord quiet;
        quiet.m_bRulesTips = 0;
        const QString path = writeCharacter(folder.filePath(QStringLiteral("quiet.ksc")), quiet);
        Frame f;
        const QString title = QStringLiteral("Orthavel Kessari Computer Aided Role-Playing - %1");
        QCOMPARE(f.frame.windowTitle(), title.arg(QStringLiteral("Untitled[*]")));
        QAction* tips = f.frame.commandAction(CommandId::RulesTips);
        QVERIFY(tips->isChecked());

        QVERIFY(f.frame.openFile(path));
        QCOMPARE(f.frame.windowTitle(), title.arg(QStringLiteral("quiet.ksc[*]")));
        QVERIFY(!tips->isChecked());
        tips->trigger();
        QVERIFY(f.document.record().m_bRulesTips == 1 && tips->isChecked());
        QVERIFY(!f.frame.isWindowModified()); // a preference, not a change of the character

        // Saved under another name: written as stored, the window and the recent files name it,
        // a "[*]" in it as it is.
        const QString saved = folder.filePath(QStringLiteral("ys[*]olde.ksc"));
        f.modify();
        QVERIFY(f.frame.saveFile(saved) && opened(f.frame));
        QVERIFY(!f.document.IsModified() && !f.frame.isWindowModified());
        QCOMPARE(readAll(saved), bytesOf(f.document));
        QCOMPARE(f.frame.windowHandle()->title(), title.arg(QStringLiteral("ys[*]olde.ksc")));
        QCOMPARE(f.frame.recentFiles().files().value(0), saved);
        QVERIFY(f.ui.messages.empty());
        // A name chosen without the extension gets it.
        for (const auto& [chosen, named] :
             {std::pair("/tmp/hero", "/tmp/hero.ksc"), std::pair("/tmp/hero.KSC", "/tmp/hero.KSC"),
              std::pair("/tmp/dir.d/hero", "/tmp/dir.d/hero.ksc")}) {
            QCOMPARE(withCharacterExtension(QString::fromUtf8(chosen)), QString::fromUtf8(named));
        }
    }

    // Undo and Redo, by menu and keys, follow the commands with the window's modified mark (what
    // each command undoes: the core's tests).
    void undoAndRedoFollowTheCommands() {
        QTemporaryDir folder;
        Frame f;
        QVERIFY(f.frame.openFile(writeCharacter(folder.filePath(QStringLiteral("k.ksc")), {})));
        QVERIFY(opened(f.frame));
        QAction* undo = f.frame.commandAction(CommandId::Undo);
        QAction* redo = f.frame.commandAction(CommandId::Redo);
        QVERIFY(!undo->isEnabled() && !redo->isEnabled());
        QCOMPARE(undo->text(), QStringLiteral("&Undo"));

        const QByteArray opened = bytesOf(f.document);
        f.ui.fill("Update Skills", {{"Enter number of new skill points:", "40"}});
        f.frame.commandAction(CommandId::UpdateSkills)->trigger();
        const QByteArray updated = bytesOf(f.document);
        QVERIFY(updated != opened && f.frame.isWindowModified());
        QCOMPARE(undo->text(), QStringLiteral("&Undo Update Skills"));
        QCOMPARE(undo->toolTip(), QStringLiteral("Undo Update Skills"));
        QTest::keyClick(&f.frame, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(bytesOf(f.document), opened);
        QVERIFY(!f.frame.isWindowModified() && !undo->isEnabled());
        QCOMPARE(redo->text(), QStringLiteral("&Redo Update Skills"));
        QTest::keyClick(&f.frame, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(bytesOf(f.document), updated);
        QVERIFY(f.frame.isWindowModified() && !redo->isEnabled());
    }

    // Whatever would drop a modified character asks to save it first: Discard goes on (the window
    // closes, the generation runs), Cancel leaves the character and the window as they were.
    void droppingAModifiedCharacterAsksFirst() {
        const std::function<void(Frame&)> actions[] = {
            [](Frame& f) { f.frame.close(); },
            [](Frame& f) { f.frame.commandAction(CommandId::Exit)->trigger(); },
            [](Frame& f) { f.frame.commandAction(CommandId::NewQuickPc)->trigger(); },
            [](Frame& f) { f.frame.commandAction(CommandId::NewFullGeneration)->trigger(); },
            [](Frame& f) { // a click on a cover of the main menu
                QTest::mouseMove(f.frame.view()->viewport(), QPoint(1, 1)); // from off the cover
                QTest::mouseMove(f.frame.view()->viewport(), QPoint(60, 150));
                QTest::mouseClick(f.frame.view()->viewport(), Qt::LeftButton, {}, QPoint(60, 150));
            },
        };
        for (int row = 0; const auto& action : actions) {
            for (const SaveAnswer answer : {SaveAnswer::Discard, SaveAnswer::Cancel}) {
                Frame f;
                QVERIFY(opened(f.frame));
                f.modify();
                f.ui.saveAnswers.push_back(answer);
                action(f);
                const QByteArray where = QByteArray::number(row);
                QVERIFY2(f.ui.saveQuestions == std::vector<std::string>{"Untitled"},
                         where.constData());
                const bool kept = f.frame.isVisible() && f.ui.events().empty() &&
                                  f.document.IsModified() &&
                                  f.document.record().m_strName == "Unsaved";
                QVERIFY2(kept == (answer == SaveAnswer::Cancel), where.constData());
            }
            ++row;
        }
    }

    void failedSaveOrExportKeepsTheOldFileAndTheChanges() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("old.ksc"));
        const QString pdf = folder.filePath(QStringLiteral("old.pdf"));
        Frame f;
        QVERIFY(f.frame.saveFile(path) && !f.frame.view()->exportPdfTo(pdf));
        const QByteArray old = readAll(path);
        const QByteArray oldPdf = readAll(pdf);
        f.modify();
        QVERIFY(opened(f.frame));
        onFullDisk([&f, &pdf] {
            QTest::keyClick(&f.frame, Qt::Key_S, Qt::ControlModifier);
            // Closing: the user says Save, the save fails, the window stays.
            f.ui.saveAnswers.push_back(SaveAnswer::Save);
            QVERIFY(!f.frame.close() && f.frame.isVisible());
            whenOpen<QFileDialog>([&](QFileDialog* dialog) {
                dialog->setOption(QFileDialog::DontConfirmOverwrite);
                dialog->selectFile(pdf);
                static_cast<QDialog*>(dialog)->accept(); // as the Save button does
            });
            f.frame.exportPdf();
        });
        QCOMPARE(f.ui.messages.size(), std::size_t{3});
        const QString saving = QStringLiteral("Cannot save \"%1\": File too large.").arg(path);
        const QString exporting = QStringLiteral("Cannot write \"%1\": File too large.").arg(pdf);
        for (std::size_t i = 0; i < 3; ++i) {
            QCOMPARE(QString::fromStdString(f.ui.messages[i].text), i < 2 ? saving : exporting);
        }
        QCOMPARE(readAll(path), old);
        QCOMPARE(readAll(pdf), oldPdf);
        QVERIFY(f.document.IsModified() && f.frame.isWindowModified());
        // Once files may grow again, the same answer saves and closes.
        f.ui.saveAnswers.push_back(SaveAnswer::Save);
        QVERIFY(f.frame.close());
        QCOMPARE(f.ui.saveQuestions, (std::vector<std::string>{"old.ksc", "old.ksc"}));
        QCOMPARE(readAll(path), bytesOf(f.document));
    }

    // A .ksc file dropped on the sheet opens as File > Open opens it, after the save-changes
    // question when there are changes; other files are not taken.
    void droppedCharacterFileOpens() {
        QTemporaryDir folder;
        CharacterRecord dropped;
        dropped.m_strName = "Dropped";
        const QString path = writeCharacter(folder.filePath(QStringLiteral("drop.KSC")), dropped);
        const std::tuple<bool, SaveAnswer, bool> cases[] = {{false, SaveAnswer::Cancel, true},
                                                            {true, SaveAnswer::Cancel, false},
                                                            {true, SaveAnswer::Discard, true}};
        for (const auto& [modified, answer, opens] : cases) {
            Frame f;
            QVERIFY(opened(f.frame));
            if (modified) {
                f.modify();
                f.ui.saveAnswers.push_back(answer);
            }
            for (const QString& file : {folder.filePath(QStringLiteral("notes.txt")), path}) {
                QMimeData data;
                data.setUrls({QUrl::fromLocalFile(file)});
                QWidget* sheet = f.frame.view()->viewport();
                QDragEnterEvent enter({10, 10}, Qt::CopyAction, &data, Qt::LeftButton, {});
                QApplication::sendEvent(sheet, &enter);
                QCOMPARE(enter.isAccepted(), file == path);
                QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
                QApplication::sendEvent(sheet, &drop);
                QCOMPARE(drop.isAccepted(), file == path); // the program it came from is told
            }
            QCoreApplication::processEvents();
            QCOMPARE(f.document.record().m_strName == "Dropped", opens);
            QCOMPARE(f.ui.saveQuestions.size(), std::size_t{modified});
        }
    }

    // Export PDF: the dialog gives a name ".pdf" and asks before replacing a file; the paper is
    // the locale's while there is no default printer; the status bar says where the file went.
    void exportPdfAsksAndSaysWhere() {
        if (!QPrinterInfo::defaultPrinter().isNull()) {
            QSKIP("the default printer chooses the paper");
        }
        QTemporaryDir folder;
        const QString pdf = folder.filePath(QStringLiteral("sheet.pdf"));
        const std::pair<QLocale, const char*> cases[] = {
            {QLocale(QLocale::English, QLocale::UnitedStates), "/MediaBox [0 0 612.000000 792.0"},
            {QLocale(QLocale::German, QLocale::Germany), "/MediaBox [0 0 595.000000 842.0"}};
        for (const auto& [locale, paper] : cases) {
            QLocale::setDefault(locale);
            Frame f;
            QString question;
            whenOpen<QFileDialog>([&](QFileDialog* dialog) {
                whenOpen<QMessageBox>([&](QMessageBox* box) {
                    question = box->text();
                    box->button(QMessageBox::Yes)->click();
                });
                dialog->selectFile(folder.filePath(QStringLiteral("sheet")));
                static_cast<QDialog*>(dialog)->accept(); // as the Save button does
            });
            f.frame.exportPdf();
            QVERIFY(readAll(pdf).contains(paper));
            QCOMPARE(!question.isEmpty(), locale.country() == QLocale::Germany);
            QCOMPARE(f.frame.statusBar()->currentMessage(),
                     QStringLiteral("Sheet exported to %1").arg(pdf));
        }
        QLocale::setDefault(QLocale::c());
    }

    // Edit > Copy as Stat Block puts the plain text and the HTML in one clipboard entry; File >
    // Export > Stat Block as Markdown, by keyboard, proposes the character's name and writes it.
    void statBlockCopiedAndExportedByKeyboard() {
        Frame f;
        answerFileDialog(
            QStringLiteral(ORTHAVEL_TEST_DATA "/sample_kessari.ksc")); // File > Open...
        f.frame.commandAction(CommandId::Open)->trigger();
        QVERIFY(f.document.record().m_strName == "Ysolde Marr" && opened(f.frame));
        QTest::keyClick(&f.frame, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        const StatBlock block = makeStatBlock(f.document.record());
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        QCOMPARE(data->text(), QString::fromStdString(statBlockText(block)));
        QCOMPARE(data->html(), QString::fromStdString(statBlockHtml(block)));
        QTemporaryDir folder;
        QString proposed;
        whenOpen<QFileDialog>([&](QFileDialog* dialog) {
            proposed = QFileInfo(dialog->selectedFiles().value(0)).fileName();
            dialog->selectFile(folder.filePath(QStringLiteral("hero"))); // the extension follows
            static_cast<QDialog*>(dialog)->accept();                     // as the Save button does
        });
        QTest::keyClick(&f.frame, Qt::Key_F, Qt::AltModifier);
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_T);
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_M);
        QCOMPARE(proposed, QString::fromStdString(block.name + ".md"));
        QCOMPARE(readAll(folder.filePath(QStringLiteral("hero.md"))),
                 QByteArray::fromStdString(statBlockMarkdown(block)));
    }

    // A double click on a skill line of the sheet, scrolled, opens Roll Against Skill on it.
    void aDoubleClickOnASkillLineRollsAgainstIt() {
        Frame f;
        QVERIFY(f.frame.openFile(QStringLiteral(ORTHAVEL_TEST_DATA "/sample_kessari.ksc")));
        f.document.ShowPage(2);
        QVERIFY(opened(f.frame));
        CQuorvelView* view = f.frame.view();
        view->verticalScrollBar()->setValue(400);
        std::vector<SkillLine> lines;
        const SheetFonts fonts;
        layoutPage2(f.document.record(), QtTextMetrics(fonts), &lines);
        const auto wrestling = std::find_if(lines.begin(), lines.end(),
                                            [](const SkillLine& line) { return line.skill == 60; });
        QVERIFY(wrestling != lines.end());
        const QPoint middle((wrestling->left + wrestling->right) / 2,
                            (wrestling->top + wrestling->bottom) / 2 - 400);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, middle - QPoint(0, 14));
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, middle);
        QCOMPARE(f.ui.events(),
                 (std::vector<std::string>{"message:Roll Against Skill|The character's "
                                           "\"Swimming\" is not rated: there is no rating to "
                                           "roll against.",
                                           "dialog:Roll Against Skill"}));
        QVERIFY(f.ui.inputsOf("Roll Against Skill")["skill"] == "Wrestling");
    }

    // View > Roll Log: every roll shown, newest first, beside the sheet in a window grown by its
    // width; copied and saved as text that reads back; kept across runs, a damaged file set aside.
    void theRollLogShowsCopiesSavesAndKeepsEveryRoll() {
        Frame f;
        QVERIFY(opened(f.frame));
        f.document.dice().queueRolls({52, 7});
        f.frame.runCommand(CommandId::HitLocation);
        f.frame.runCommand(CommandId::HitLocation);
        RollLogDock* dock = f.frame.rollLogDock();
        const QAbstractItemModel* rows = dock->view()->model();
        QCOMPARE(rows->rowCount(), 2);
        QVERIFY(rows->index(0, 0).data().toString().endsWith(
            QStringLiteral("  Random Hit Location: 7\nRight foot")));
        QAction* toggle = f.frame.commandAction(CommandId::RollLog);
        QVERIFY(!dock->isVisible() && !toggle->isChecked());
        f.frame.setFixedSize(400, 300); // as a window manager may resize it
        toggle->trigger();
        QVERIFY(dock->isVisible() && toggle->isChecked());
        QCOMPARE(f.frame.size(), QSize(730, 300));
        // Ctrl+C in the list copies as the button does: every roll while none is selected.
        dock->view()->setFocus();
        QTest::keyClick(dock->view(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QString::fromStdString(f.frame.rollLog().text()));
        dock->close(); // its close box
        QVERIFY(!toggle->isChecked());
        QCOMPARE(f.frame.size(), QSize(400, 300));

        const auto& rolls = f.frame.rollLog().rolls();
        dock->view()->selectionModel()->select(rows->index(1, 0), QItemSelectionModel::Select);
        dock->copy();
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QString::fromStdString(RollLog::line(rolls[1])));

        QTemporaryDir folder;
        const QString saved = folder.filePath(QStringLiteral("log.txt"));
        answerFileDialog(saved); // Save As...
        dock->saveAs();
        QCOMPARE(RollLog::parse(readAll(saved).toStdString()), rolls);
        QVERIFY(dock->saveTo(folder.path()).has_value()); // a folder is never replaced

        const QString kept = folder.filePath(QStringLiteral("data/roll-log.txt"));
        // Written as the program ends at the latest; the status bar says nothing of a log kept,
        // and once that it cannot be kept (a folder stands in its way).
        RollLogFile(f.frame.rollLog(), kept, &f.frame).changed();
        QVERIFY(f.frame.statusBar()->currentMessage().isEmpty());
        RollLogFile blocked(f.frame.rollLog(), folder.path(), &f.frame);
        for (const bool first : {true, false}) {
            blocked.changed();
            blocked.write();
            QCOMPARE(f.frame.statusBar()->currentMessage().isEmpty(), !first);
            f.frame.statusBar()->clearMessage();
        }
        RollLog next;
        QVERIFY(!RollLogFile(next, kept).load());
        QCOMPARE(next.rolls(), rolls);
        QFile damaged(kept);
        QVERIFY(damaged.open(QIODevice::WriteOnly) && damaged.write("no log\n") == 7);
        damaged.close();
        RollLog empty;
        QVERIFY(RollLogFile(empty, kept).load().has_value());
        QVERIFY(empty.rolls().empty() && !QFile::exists(kept));
        QCOMPARE(readAll(kept + QStringLiteral(".damaged")), QByteArray("no log\n"));
        // Nor is a file larger than a thousand rolls can make read, whatever it holds: one of
        // 2 MiB is, a byte more is not; the roll comes last, so that it is read to its last byte.
        const QByteArray line = QByteArray::fromStdString(RollLog::line(rolls[0])).chopped(1);
        for (const qint64 extra : {0, 1}) {
            QVERIFY(damaged.open(QIODevice::WriteOnly));
            damaged.write(QByteArray(2 * 1024 * 1024 + extra - line.size(), '\n'));
            damaged.write(line);
            damaged.close();
            RollLog read;
            QCOMPARE(RollLogFile(read, kept).load().has_value(), extra == 1);
            QVERIFY(read.rolls() ==
                    (extra == 1 ? RollLog().rolls() : decltype(read.rolls()){rolls[0]}));
        }
        QVERIFY(QFile::exists(kept + QStringLiteral(".damaged.1")));

        toggle->trigger();
        QVERIFY(opened(f.frame));                                  // active again after the dialogs
        QTest::keyClick(dock->view(), Qt::Key_L, Qt::AltModifier); // Clear
        QTRY_COMPARE(rows->rowCount(), 0);
    }

    // Two programs keep their rolls in one file, each changing only its own, shown as written,
    // for its user's eyes alone.
    void twoProgramsKeepEachOthersRolls() {
        QTemporaryDir folder;
        const QString shared = folder.filePath(QStringLiteral("roll-log.txt"));
        int tick = 0;
        const auto clock = [&tick] { return "2026-12-07 10:00:0" + std::to_string(tick++); };
        RollLog a(clock);
        RollLog b(clock);
        RollLogFile aFile(a, shared);
        RollLogFile bFile(b, shared);
        std::size_t rolls = 0;
        for (const auto& [log, file] : {std::pair(&a, &aFile), {&b, &bFile}, {&a, &aFile}}) {
            log->add("roll", ++tick);
            file->changed(); // written as soon as the program is idle, not only when it ends
            ++rolls;
            QTRY_COMPARE(RollLog::parse(readAll(shared).toStdString()).value().size(), rolls);
        }
        const auto kept = RollLog::parse(readAll(shared).toStdString()).value();
        QVERIFY(kept.size() == 3 && kept[0].roll == 5 && kept[1].roll == 3);
        QCOMPARE(QFile::permissions(shared) & 0x0077, QFileDevice::Permissions());
        b.restore({{"<b>BIG TIP</b>", "B", 2, ""}});
        RollLogDock dock(b);
        QTextDocument tip;
        tip.setHtml(dock.view()->model()->index(0, 0).data(Qt::ToolTipRole).toString());
        QCOMPARE(tip.toPlainText(), QStringLiteral("<b>BIG TIP</b>"));
    }

    // Every window opens wholly on the screen, one larger than it too (Print Preview may be).
    void everyWindowOpensWhollyOnTheScreen() {
        applyWindowRules();
        Frame f;
        QVERIFY(opened(f.frame));
        QDialog large(&f.frame);
        large.resize(3000, 3000);
        QVERIFY(opened(large));
        const QRect free = f.frame.screen()->availableGeometry();
        QVERIFY(free.contains(large.frameGeometry()));
        QCOMPARE(large.size(), free.size() - QSize(16, 48)); // room for a frame and a title bar
        // A dialog is centred on its main window, as far as it stays in that room, also when it
        // is opened from a part of that window (as from the party dock).
        for (const QPoint& asked : {QPoint(-5000, -5000), QPoint(5000, 5000)}) {
            QWidget main;
            main.setGeometry(QRect(asked, QSize(300, 200)));
            QWidget part(&main);
            QDialog dialog(asked.x() < 0 ? &main : &part);
            dialog.resize(200, 100);
            QVERIFY(opened(dialog));
            QCOMPARE(dialog.pos(), asked.x() < 0 ? free.topLeft() + QPoint(8, 40)
                                                 : free.bottomRight() - QPoint(207, 107));
        }
        // A window of its own keeps its frame on the screen to the last pixel where the frame is
        // known (framed.json), and room for one and a title bar where it is not.
        const bool framed = qEnvironmentVariable("QT_QPA_PLATFORM").endsWith(u"framed.json");
        for (const QPoint& asked : {QPoint(-500, -500), QPoint(5000, 5000)}) {
            QWidget window(nullptr, framed ? Qt::Window : Qt::FramelessWindowHint);
            window.setGeometry(QRect(asked, QSize(200, 100)));
            QVERIFY(opened(window));
            QTRY_COMPARE(asked.x() < 0 ? window.frameGeometry().topLeft()
                                       : window.frameGeometry().bottomRight(),
                         asked.x() < 0 ? free.topLeft() + QPoint(8, 40) * !framed
                                       : free.bottomRight() - QPoint(8, 8) * !framed);
        }
    }
};

QTEST_MAIN(MainFrameTest)
#include "main_frame_test.moc"
