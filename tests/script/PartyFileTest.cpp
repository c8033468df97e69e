// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "script/PartyFile.h"
#include "core/party/PartyMember.h"
#include "core/party/PartyRow.h"
#include "core/record/CharacterFile.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <fstream>
#include <set>

namespace orthavel {
namespace {

namespace fs = std::filesystem;

std::string party(const std::string& members, const std::string& head = "") {
    return R"({"format": "orthavel-party", "version": 1, )" + head + R"("members": [)" + members +
           "]}";
}

// Every fault of a party file is refused with what is wrong and where; nothing else is.
TEST(PartyFile, HostileFilesAreRefusedWithTheirFault) {
    std::string many = R"("a0")";
    for (int m = 1; m <= 10000; ++m) {
        many += ",\"a" + std::to_string(m) + '"';
    }
    const std::pair<std::string, std::string> cases[] = {
        {"{\"format\": \n  \"orthavel-party\" 1}", "it is not valid JSON (line 2, column 20)"},
        {"[]", "it is not a party file (no JSON object)"},
        {R"({"format": "ksc", "version": 1, "members": []})",
         "it is not a party file (its format is not \"orthavel-party\")"},
        {R"({"format": "orthavel-party", "version": "1", "members": []})",
         "it is not a party file (it has no version)"},
        {R"({"format": "orthavel-party", "version": 2, "members": []})",
         "its version 2 is not one this program reads (1)"},
        {party("", R"("name": 7, )"), "its name is not a text"},
        {R"({"format": "orthavel-party", "version": 1, "members": "a"})",
         "it has no list of members"},
        {party(R"("a.ksc", 3)"), "member 2 is not a text"},
        {party(R"("")"), "member 1 (\"\"): the path is empty"},
        {party(R"("a\u0000b")"), "member 1 (\"a\\u0000b\"): the path holds a NUL character"},
        {party(R"("a\tb")"), "member 1 (\"a\\tb\"): the path holds a control character"},
        {party(many), "it has 10001 members; at most 10000 are read"},
        {std::string(100, '[') + std::string(100, ']'), "it is nested too deeply"},
    };
    for (const auto& [text, problem] : cases) {
        const PartyReading reading = parseParty(text);
        EXPECT_FALSE(reading.party) << text.substr(0, 80);
        EXPECT_EQ(reading.problem, problem) << text.substr(0, 80);
    }
    many.resize(many.rfind(','));
    EXPECT_EQ(parseParty(party(many)).party->members.size(), 10000U);
}

// Unknown keys come back when saved; a member given twice is kept once.
TEST(PartyFile, RoundTripKeepsUnknownKeysAndEachMemberOnce) {
    const PartyReading read = parseParty(
        party(R"("a/b.ksc", "a/./b.ksc", "c.ksc")", R"("colour": {"x": [1, 2]}, "name": "Inn", )"));
    ASSERT_TRUE(read.party) << read.problem;
    EXPECT_EQ(read.party->members, (std::vector<std::string>{"a/b.ksc", "c.ksc"}));
    EXPECT_EQ(read.party->name, "Inn");
    EXPECT_EQ(parseParty(partyFileText(*read.party)).party, read.party);
    EXPECT_NE(partyFileText(*read.party).find(R"("colour": {)"), std::string::npos);
}

struct Folder {
    fs::path root = fs::temp_directory_path() / ("party-test-" + std::to_string(::getpid()));
    Folder() { fs::create_directories(root / "tavern"); }
    ~Folder() { fs::remove_all(root); }
    void write(const fs::path& file, const std::string& bytes) const {
        std::ofstream(root / file, std::ios::binary) << bytes;
    }
};

// A member is whatever its file is: a character, or a reason it is none; never a refusal.
TEST(PartyMember, EachMemberFileGetsItsStatusAndReason) {
    const Folder f;
    CharacterRecord hero;
    hero.m_strName = "Rosa";
    const std::string bytes = storeCharacter(hero);
    f.write("tavern/rosa.ksc", bytes);
    f.write("tavern/cut.ksc", bytes.substr(0, 100));
    f.write("tavern/long.ksc", std::string(20 << 20, '\xff'));
    f.write("p.kparty", "{}");
    ::mkfifo((f.root / "tavern/fifo.ksc").c_str(), 0600);
    const std::pair<std::string, std::string> cases[] = {
        {"tavern/rosa.ksc", "ok "},
        {"tavern/none.ksc", "missing the file does not exist"},
        {"", "damaged the path is empty"},
        {"tavern", "damaged it is a folder"},
        {"tavern/fifo.ksc", "damaged it is not a regular file"},
        {"/dev/null", "damaged it is not a regular file"},
        {"p.kparty", "damaged it is the party file itself"},
        {"tavern/cut.ksc", "damaged it is not a character file, or it is damaged (unexpected "
                           "format: the file ends too early)"},
        {"tavern/long.ksc", "damaged it is not a character file, or it is damaged (unexpected "
                            "format: a text is longer than the rest of the file)"},
    };
    for (const auto& [stored, expected] : cases) {
        const PartyMember m = readMember(f.root / "p.kparty", stored);
        EXPECT_EQ(std::string(statusWord(m.status)) + ' ' + m.reason, expected) << stored;
    }
    EXPECT_EQ(readMember(f.root / "p.kparty", "tavern/rosa.ksc").record.m_strName, "Rosa");
}

// Members are stored relative to the party's folder, so the folder can move.
TEST(PartyMember, ThePartyStillOpensAfterItsFolderMoves) {
    const Folder f;
    f.write("tavern/a.ksc", storeCharacter(CharacterRecord()));
    Party p;
    const fs::path files[] = {f.root / "tavern/a.ksc", f.root / "tavern/../tavern/a.ksc", "/x/y"};
    EXPECT_EQ(addMembers(p, f.root, files), 2U);
    EXPECT_EQ(p.members, (std::vector<std::string>{"tavern/a.ksc", "../../x/y"}));
    f.write("p.kparty", partyFileText(p));
    const fs::path moved = f.root.string() + "-moved";
    fs::rename(f.root, moved);
    const Party again = *readPartyFile(moved / "p.kparty").party;
    EXPECT_EQ(readMember(moved / "p.kparty", again.members[0]).status, MemberStatus::Ok);
    fs::rename(moved, f.root);
    EXPECT_EQ(removeMembers(p, f.root, std::span(files, 1)), 1U);
    EXPECT_EQ(p.members, (std::vector<std::string>{"../../x/y"}));
    p.members.resize(kMostPartyMembers - 1, "x");
    const fs::path two[] = {"b", "c"};
    EXPECT_FALSE(addMembers(p, f.root, two));
    EXPECT_EQ(p.members.size(), kMostPartyMembers - 1);
}

// A row shows the record's values as the sheet writes them; every column has a title of its own.
TEST(PartyRow, EachColumnShowsItsValue) {
    CharacterRecord r;
    r.m_strName = "R\xF6sa";
    r.m_aAdvantage[14] = -3;
    r.m_nInitiative = 35;
    r.m_nInitiativeAdj = 30;
    r.m_fMoveRate = 4.25F;
    r.m_aEquipment[0] = 11;
    const PartyRow row = partyRowOf(r);
    const std::pair<PartyColumn, std::string> cases[] = {
        {PartyColumn::Name, "R\xC3\xB6sa"}, {PartyColumn::Race, "Kessari"},
        {PartyColumn::Profession, "Medic"}, {PartyColumn::Initiative, "35/30"},
        {PartyColumn::MoveRate, "4.2/0.0"}, {PartyColumn::Armor, "Field plate"},
        {PartyColumn::Soak, "0/0"},
    };
    for (const auto& [column, text] : cases) {
        EXPECT_EQ(row.texts[static_cast<std::size_t>(column)], text);
    }
    EXPECT_EQ(row.texts[static_cast<std::size_t>(PartyColumn::Initiative) - 1], "-3");
    EXPECT_EQ(row.numbers[static_cast<std::size_t>(PartyColumn::Initiative)], 35);
    std::set<std::string_view> titles;
    for (int c = 0; c < kPartyColumnCount; ++c) {
        EXPECT_TRUE(!partyColumn(c).title.empty() && titles.insert(partyColumn(c).title).second)
            << c;
    }
    EXPECT_EQ(partyColumn(static_cast<int>(PartyColumn::FirstAdvantage)).title, "Str");
    EXPECT_EQ(partyColumn(static_cast<int>(PartyColumn::MoveRate)).title, "Move");
}

} // namespace
} // namespace orthavel
