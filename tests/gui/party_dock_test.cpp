// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The party dock: its table under the model tester, sorting and filtering, and the keyboard:
// Enter opens a member (asking about unsaved changes first), Delete removes one from the party,
// a member saved here shows its new values.

#include "GuiTestSupport.h"

#include "core/document/CommandId.h"
#include "core/party/PartyRow.h"
#include "gui/app/PartyDock.h"
#include "gui/app/PartyModel.h"
#include "qtcommon/SafeFile.h"
#include "script/PartyFile.h"

#include <QAbstractItemModelTester>
#include <QFileDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

using namespace orthavel;

namespace {

CharacterRecord member(const char* name, const char* profession, int level) {
    CharacterRecord r;
    r.m_strName = name;
    r.m_strProfession = profession;
    r.m_nProfessionLevel = level;
    return r;
}

bool writeParty(const QString& path, const Party& party) {
    return !writeWholeFile(path, QByteArray::fromStdString(partyFileText(party))).has_value();
}

// A column's texts, top to bottom, each ended by "|".
QString column(const QAbstractItemModel& model, PartyColumn c) {
    QString texts;
    for (int row = 0; row < model.rowCount(); ++row) {
        texts += model.index(row, static_cast<int>(c)).data().toString() + u'|';
    }
    return texts;
}

} // namespace

class PartyDockTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { useOwnSettings("party_dock_test"); }
    void init() { QSettings().clear(); }

    // Party > New Party makes a party named after its file, shown. A character made by New
    // Random NPC is offered to the open party when first saved; Don't Add leaves the party as it
    // was.
    void aNewNpcIsOfferedToThePartyWhenSaved() {
        QTemporaryDir dir;
        Frame f;
        PartyDock& dock = *f.frame.partyDock();
        answerFileDialog(dir.path() + QStringLiteral("/t")); // the extension follows
        f.frame.commandAction(CommandId::NewParty)->trigger();
        QVERIFY(dock.windowTitle() == QStringLiteral("Party: t") && !dock.isHidden() &&
                QFile::exists(dir.path() + QStringLiteral("/t.kparty")));
        QVERIFY(f.frame.saveFile(dir.path() + QStringLiteral("/plain.ksc"))); // no NPC, no offer
        QVERIFY(f.ui.events().empty());
        for (const char* answer : {"Do&n't Add", "&Add"}) {
            f.ui.answer(R"({"title": "New Random NPC", "click": "OK"})");
            f.frame.commandAction(CommandId::NewRandomNpc)->trigger();
            f.ui.click("Add to Party", {answer});
            QVERIFY(f.frame.saveFile(dir.path() + QStringLiteral("/") + QLatin1String(answer)));
        }
        QCOMPARE(dock.model()->rowCount(), 1);
        QCOMPARE(dock.model()->member(0).stored, std::string("&Add"));
        // Another character opened before the first save: no offer stands for it.
        f.ui.answer(R"({"title": "New Random NPC", "click": "OK"})");
        f.frame.commandAction(CommandId::NewRandomNpc)->trigger();
        QVERIFY(f.frame.openFile(QStringLiteral(ORTHAVEL_TEST_DATA "/sample_kessari.ksc")));
        const std::size_t asked = f.ui.events().size();
        QVERIFY(f.frame.saveFile(dir.path() + QStringLiteral("/other.ksc")));
        QCOMPARE(f.ui.events().size(), asked);
    }

    // The Party menu's commands that need no file dialog: the party's commands greyed until
    // one is open, Add Open Character once the character has a file, a member that cannot be
    // opened named with its reason, the summary as PDF, and the last party and the dock's
    // visibility back at the next start.
    void thePartyMenuAndTheNextStart() {
        QTemporaryDir dir;
        const QString partyPath = dir.path() + QStringLiteral("/friends.kparty");
        Party party;
        party.name = "Friends";
        party.members = {"gone.ksc"};
        QVERIFY(writeParty(partyPath, party));
        {
            Frame f;
            PartyDock& dock = *f.frame.partyDock();
            QVERIFY(!f.frame.commandAction(CommandId::AddOpenCharacter)->isEnabled());
            QVERIFY(dock.openParty(partyPath));
            QVERIFY(f.frame.commandAction(CommandId::ExportSummary)->isEnabled());
            QCOMPARE(dock.windowTitle(), QStringLiteral("Party: Friends"));
            f.frame.commandAction(CommandId::AddOpenCharacter)->trigger();
            QCOMPARE(f.ui.messages.back().text,
                     std::string("Save the character first: a party lists character files."));
            f.document.record() = member("Ilse Wilhelmina Thorncastle", "Medic", 3);
            QVERIFY(f.frame.saveFile(dir.path() + QStringLiteral("/ilse.ksc")));
            f.frame.commandAction(CommandId::AddOpenCharacter)->trigger();
            QCOMPARE(column(*dock.model(), PartyColumn::Name),
                     QStringLiteral("gone.ksc|Ilse Wilhelmina Thorncastle|"));
            // The columns are as wide as what they show.
            QVERIFY(dock.table()->columnWidth(static_cast<int>(PartyColumn::Name)) >
                    dock.table()->fontMetrics().horizontalAdvance(
                        QStringLiteral("Ilse Wilhelmina Thorncastle")));
            QVERIFY(readAll(partyPath).contains("\"ilse.ksc\""));

            dock.table()->setCurrentIndex(dock.sortModel()->index(0, 0));
            dock.openCurrent();
            QCOMPARE(f.ui.messages.back().text,
                     std::string("Cannot open \"gone.ksc\": the file does not exist."));
            answerFileDialog(dir.path() + QStringLiteral("/s")); // Party > Export Summary...
            f.frame.commandAction(CommandId::ExportSummary)->trigger();
            QVERIFY(readAll(dir.path() + QStringLiteral("/s.pdf")).startsWith("%PDF"));
            QVERIFY(!dock.exportSummaryTo(dir.path()));
            QVERIFY(f.ui.messages.back().text.find(dir.path().toStdString()) != std::string::npos);
            QVERIFY(opened(f.frame));
            f.frame.commandAction(CommandId::PartyDock)->trigger();
            QVERIFY(dock.isVisible());
            QVERIFY(f.frame.close());
        }
        Frame next;
        QCOMPARE(next.frame.partyDock()->partyPath(), partyPath);
        QCOMPARE(next.frame.partyDock()->model()->rowCount(), 2);
        QVERIFY(!next.frame.partyDock()->isHidden());
        QVERIFY(next.frame.commandAction(CommandId::RemoveFromParty)->isEnabled());
    }

    void theDockByKeyboard() {
        QTemporaryDir dir;
        const QString folder = dir.path() + QStringLiteral("/tavern/");
        QDir().mkpath(folder);
        writeCharacter(folder + QStringLiteral("hero10.ksc"), member("Hero 10", "Medic", 9));
        writeCharacter(folder + QStringLiteral("hero2.ksc"), member("Hero 2", "Thief", 10));
        writeCharacter(folder + QStringLiteral("ann.ksc"), member("ann", "Medic", 2));
        Party party;
        party.members = {"tavern/gone.ksc"};
        const QString partyPath = dir.path() + QStringLiteral("/t.kparty");
        QVERIFY(writeParty(partyPath, party));

        Frame f;
        PartyDock& dock = *f.frame.partyDock();
        QAbstractItemModelTester sourceTester(dock.model());
        QAbstractItemModelTester sortedTester(dock.sortModel());
        const QString bad = dir.path() + QStringLiteral("/bad.kparty");
        QVERIFY(!writeWholeFile(bad, "{\n x").has_value() && !dock.openParty(bad));
        QVERIFY(f.ui.messages.back().text.find("(line 2, column 2)") != std::string::npos);
        answerFileDialog(partyPath); // Party > Open Party...
        f.frame.commandAction(CommandId::OpenParty)->trigger();
        QVERIFY(dock.partyPath() == partyPath && !dock.isHidden()); // and the dock shown
        whenOpen<QFileDialog>([&folder](QFileDialog* dialog) {      // Party > Add Folder...
            dialog->setDirectory(folder);
            static_cast<QDialog*>(dialog)->done(QDialog::Accepted);
        });
        f.frame.commandAction(CommandId::AddFolder)->trigger(); // its files in natural order
        dock.hide();
        QCOMPARE(dock.model()->readableRecords().size(), std::size_t{3}); // what the summary shows
        QCOMPARE(dock.model()->headerData(4, Qt::Horizontal, Qt::DisplayRole).toString(),
                 QStringLiteral("PL"));
        // View > Party shows the dock under the sheet, the window growing to make room.
        QVERIFY(opened(f.frame));
        const int height = f.frame.height();
        f.frame.commandAction(CommandId::PartyDock)->trigger();
        QVERIFY(dock.filterField()->isVisible() && f.frame.height() > height);
        QAbstractItemModel& shown = *dock.sortModel();
        QCOMPARE(column(shown, PartyColumn::Name),
                 QStringLiteral("tavern/gone.ksc|ann|Hero 2|Hero 10|"));

        // Numbers as numbers, names in natural order; the missing member greyed with its reason.
        // A click on a column's header sorts by it.
        QHeaderView* header = dock.table()->horizontalHeader();
        const int level = header->sectionViewportPosition(static_cast<int>(PartyColumn::Level));
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(level + 5, 5));
        QCOMPARE(column(shown, PartyColumn::Level), QStringLiteral("|2|9|10|"));
        dock.table()->sortByColumn(static_cast<int>(PartyColumn::Name), Qt::AscendingOrder);
        QCOMPARE(column(shown, PartyColumn::Name),
                 QStringLiteral("ann|Hero 2|Hero 10|tavern/gone.ksc|"));
        QVERIFY(
            shown.index(3, 0).data(Qt::ToolTipRole).toString().contains(QStringLiteral("exist")));
        QVERIFY(shown.index(3, 0).data(Qt::ForegroundRole).isValid());

        // The filter, reached by its mnemonic, matches the profession.
        QTest::keyClick(dock.table(), Qt::Key_F, Qt::AltModifier);
        QVERIFY(dock.filterField()->hasFocus());
        QTest::keyClicks(dock.filterField(), QStringLiteral("medic"));
        QCOMPARE(column(shown, PartyColumn::Name), QStringLiteral("ann|Hero 10|"));

        // Enter opens the member, once the unsaved character was dealt with.
        f.modify();
        dock.table()->setFocus();
        dock.table()->setCurrentIndex(shown.index(1, 0));
        QTest::keyClick(dock.table(), Qt::Key_Return);
        QCOMPARE(f.ui.saveQuestions.size(), std::size_t{1}); // cancelled: nothing opened
        QCOMPARE(f.document.record().m_strName, std::string("Unsaved"));
        f.ui.saveAnswers.push_back(SaveAnswer::Discard);
        QSignalSpy repainted(dock.model(), &QAbstractItemModel::dataChanged);
        QTest::keyClick(dock.table(), Qt::Key_Return);
        QCOMPARE(f.document.record().m_strName, std::string("Hero 10"));
        QVERIFY(std::any_of(repainted.begin(), repainted.end(), [](const QList<QVariant>& rows) {
            return rows[0].toModelIndex().row() == 0 && rows[1].toModelIndex().row() == 3;
        })); // every row, the one no longer open among them
        QVERIFY(shown.index(1, 0).data(Qt::FontRole).value<QFont>().bold());

        // Saved here: the row shows the new values.
        f.document.record().m_nProfessionLevel = 11;
        f.document.SetModifiedFlag(true);
        QVERIFY(f.frame.save());
        QCOMPARE(shown.index(1, static_cast<int>(PartyColumn::Level)).data().toString(),
                 QStringLiteral("11"));

        // Written by another program, twice, each time by a new file put in its place.
        CharacterRecord changed = member("Hero 10", "Medic", 9);
        for (const int age : {40, 41}) {
            changed.m_nAge = age;
            writeCharacter(folder + QStringLiteral("new.ksc"), changed);
            QVERIFY(std::rename(qPrintable(folder + QStringLiteral("new.ksc")),
                                qPrintable(folder + QStringLiteral("hero10.ksc"))) == 0);
            QTRY_COMPARE(shown.index(1, static_cast<int>(PartyColumn::Age)).data().toInt(), age);
        }

        // Delete takes the member out of the party, never its file.
        QTest::keyClick(dock.table(), Qt::Key_Delete);
        QCOMPARE(column(shown, PartyColumn::Name), QStringLiteral("ann|"));
        // Saved elsewhere, the members are found from there.
        const QString moved = dir.path() + QStringLiteral("/sub/t.kparty");
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("sub")));
        answerFileDialog(moved); // Party > Save Party As...
        f.frame.commandAction(CommandId::SavePartyAs)->trigger();
        QVERIFY(readAll(moved).contains("../tavern/hero2.ksc") && QFile::remove(moved));
        f.frame.commandAction(CommandId::SaveParty)->trigger(); // written there again
        QVERIFY(QFile::exists(moved));
        f.frame.commandAction(CommandId::PartyDock)->trigger();
        QVERIFY(dock.isHidden() && f.frame.height() == height);
        QVERIFY(QFile::exists(folder + QStringLiteral("hero10.ksc")));
        QVERIFY(!readAll(partyPath).contains("hero10.ksc"));
        QVERIFY(readAll(partyPath).contains("tavern/gone.ksc"));
    }
};

QTEST_MAIN(PartyDockTest)
#include "party_dock_test.moc"
