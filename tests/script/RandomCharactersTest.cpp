// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Every character the program can make obeys its own rules: many characters made by the real
// flows with every dialog answered at random (Quick PC, Full Generation at every age class, a
// change of profession of a made character), each checked against the rules whatever its path.
// ORTHAVEL_RANDOM_CHARACTERS sets how many (2,000 by default; scripts/random-characters runs more).

#include "core/advantages/AdvantageAssignment.h"
#include "core/advantages/ProfessionMinimums.h"
#include "core/document/CQuorvelDoc.h"
#include "core/document/Commands.h"
#include "core/npc/NpcMaker.h"
#include "core/npc/NpcRequestDialog.h"
#include "core/npc/RandomInteraction.h"
#include "core/record/CharacterFile.h"
#include "core/record/DerivedStats.h"
#include "core/sheet/SheetView.h"
#include "core/skills/SkillLevels.h"
#include "script/RecordJson.h"
#include "script/ScriptedInteraction.h"

#include "core/sheet/FixedPitchMetrics.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <set>
#include <sstream>

namespace orthavel {
namespace {

int characterCount() {
    const char* count = std::getenv("ORTHAVEL_RANDOM_CHARACTERS");
    return count != nullptr ? std::atoi(count) : 2000;
}

// Update Skills with no new points, OK at once: the program must take its own character.
bool updateSkillsAccepts(const CharacterRecord& record) {
    CQuorvelDoc doc;
    doc.record() = record;
    std::ostringstream transcript;
    ScriptedInteraction ui(nlohmann::json::parse(R"([
            {"title": "Update Skills", "fields": {"Enter number of new skill points:": "0"},
             "click": "OK"},
            {"title": "Choose Skills", "steps": [{"click": "OK"}]}])"),
                           transcript);
    doc.OnUpdateSkills(ui);
    return transcript.str().find(R"({"event":"closed","title":"Choose Skills","accepted":true})") !=
           std::string::npos;
}

// What is wrong with a made character by its own rules; empty when nothing is.
std::vector<std::string> faultsOf(const CharacterRecord& r, bool advantagesAccepted,
                                  bool skillsAccepted) {
    std::vector<std::string> faults;
    const auto expect = [&](bool holds, const std::string& what) {
        if (!holds) {
            faults.push_back(what);
        }
    };
    const RatedLevels rated = ratedLevels(r.m_nRace, r.m_nProfession, r.m_aSkill);
    expect(r.m_aEmphasis == rated.levels.emphases, "stored emphases are not the ratings' own");
    expect(r.m_aMastery == rated.levels.masteries, "stored masteries are not the ratings' own");
    expect(!rated.check.professionLevel || r.m_nProfessionLevel == *rated.check.professionLevel,
           "profession level " + std::to_string(r.m_nProfessionLevel) + " is not the ratings' " +
               std::to_string(rated.check.professionLevel.value_or(0)));
    if (skillsAccepted) {
        expect(rated.check.met, "mastery requirements fail: " + rated.check.warning);
        expect(r.m_nSkillPoints == 0, "skill points left: " + std::to_string(r.m_nSkillPoints));
        expect(updateSkillsAccepts(r), "Update Skills refuses it");
    }
    if (advantagesAccepted) {
        expect(findProfessionMinimums(r.m_nRace, r.m_nProfession) == nullptr ||
                   meetsMinimums(r.m_nRace, r.m_nProfession, r.m_aAdvantage),
               "minimum advantages fail");
        expect(r.m_nAdvantagePoints == 0, "advantage points left");
    }
    for (int a = 0; a < kAdvantageCount; ++a) {
        expect(r.m_aAdvantage[static_cast<std::size_t>(a)] <=
                   AdvantageMaximum(r.m_nRace, advantageAt(a)),
               "advantage " + std::to_string(a) + " above its race maximum");
    }
    for (std::size_t s = 0; s < r.m_aSkill.size(); ++s) {
        expect(r.m_aSkill[s] >= 0 && r.m_aSkill[s] <= 100,
               "skill " + std::to_string(s) + " rated " + std::to_string(r.m_aSkill[s]));
    }
    CharacterRecord derived = r;
    UpdateDerivedStats(derived);
    expect(derived == r, "derived values are not the record's own");
    const std::string bytes = storeCharacter(r);
    CharacterRecord loaded;
    const std::span<const unsigned char> raw(reinterpret_cast<const unsigned char*>(bytes.data()),
                                             bytes.size());
    expect(loadCharacter(raw, loaded) && storeCharacter(loaded) == bytes,
           "the file does not read back byte for byte");
    CharacterRecord fromJson;
    expect(!readRecordJson(dumpRecordJson(r), fromJson) && storeCharacter(fromJson) == bytes,
           "dump then load does not give back the same bytes");
    // The texts the character brings to its sheet (those of a new character's sheet are the
    // same for everyone) stay on the page.
    const test::FixedPitchMetrics metrics;
    for (std::int32_t page = 1; page <= 4; ++page) {
        const auto fixed = layoutSheetPage(CharacterRecord(), metrics, page).texts();
        for (const TextItem& t : layoutSheetPage(r, metrics, page).texts()) {
            if (std::find(fixed.begin(), fixed.end(), t) != fixed.end()) {
                continue;
            }
            const int width = t.narrowedTo > 0 ? t.narrowedTo : metrics.textWidth(t.font, t.text);
            expect(t.x >= 0 && t.y >= 0 && t.x + width <= kSheetWidth &&
                       t.y + metrics.textHeight(t.font) <= kSheetHeight,
                   "page " + std::to_string(page) + " draws \"" + t.text + "\" off the page");
        }
    }
    return faults;
}

std::string describe(const CharacterRecord& r) {
    return r.m_strCulture + " " + r.m_strProfession + " (" + std::to_string(r.m_nProfession) +
           "), age " + std::to_string(r.m_nAge);
}

TEST(RandomCharacters, EveryOneObeysItsOwnRules) {
    const int count = characterCount();
    int failures = 0;
    for (int seed = 1; seed <= count && failures < 20; ++seed) {
        Dice dice(static_cast<std::uint64_t>(seed));
        // By turns: a starting career, Full Generation at each age class, a change of profession.
        NpcPlan request;
        if (seed % 3 == 1) {
            request.ageClass = (seed / 3) % 7;
        }
        MadeNpc made = makeNpc(request, dice);
        if (!made.record) {
            ASSERT_TRUE(request.ageClass) << seed << ": " << made.why;
            continue; // an age class too young for every profession drawn: the why is tested
        }
        CharacterRecord record = *made.record;
        bool advantages = true;
        bool skills = true;
        if (seed % 3 == 2) {
            CQuorvelDoc doc;
            doc.record() = record;
            RandomInteraction ui(dice, {});
            doc.OnChangeProfession(ui);
            record = doc.record();
            advantages = ui.advantagesAccepted();
            skills = ui.skillsAccepted();
        }
        const auto faults = faultsOf(record, advantages, skills);
        for (const std::string& fault : faults) {
            ADD_FAILURE() << "seed " << seed << ", " << describe(record) << ": " << fault;
        }
        if (!faults.empty()) {
            // Kept for a look: orthavel opens it, orthavel-cli dumps and renders it.
            const auto kept = std::filesystem::temp_directory_path() /
                              ("random-character-" + std::to_string(seed) + ".ksc");
            std::ofstream(kept, std::ios::binary) << storeCharacter(record);
        }
        failures += faults.empty() ? 0 : 1;
    }
}

// File > New Random NPC: what no character can be is refused and the form comes back as it was
// filled in; then the character asked for replaces the open one as a generation does, one undo
// step, and the same seed makes it again.
TEST(RandomCharacters, NewRandomNpcMakesWhatIsAskedFor) {
    const auto run = [](CQuorvelDoc& doc, const char* script) {
        std::ostringstream transcript;
        ScriptedInteraction ui(nlohmann::json::parse(script), transcript);
        doc.runCommand(*commandNamed("npc"), ui);
        return transcript.str();
    };
    const char* script = R"([
        {"title": "New Random NPC", "fields": {"Race:": "Neuonian", "Profession:": "Medic",
                                               "Seed:": "77"}, "click": "OK"},
        {"title": "New Random NPC", "fields": {"Race:": "Any"}, "click": "OK"}])";
    CQuorvelDoc doc;
    ASSERT_TRUE(
        doc.OnOpenDocument(std::filesystem::path(ORTHAVEL_TEST_DATA) / "sample_kessari.ksc"));
    const std::string transcript = run(doc, script);
    EXPECT_NE(transcript.find("No Neuonian character can be a Medic."), std::string::npos);
    EXPECT_EQ(doc.record().m_nProfession, 0) << "the form came back with the Medic in it";
    EXPECT_EQ(doc.record().m_nPage, 1);
    EXPECT_TRUE(doc.fileName().empty());
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.undoCaption(), "Undo New Random NPC");
    EXPECT_EQ(npcRequestDialog({}).fields[3].items.size(), 1U + 7U) << "Any and every age class";
    CQuorvelDoc again;
    run(again, script);
    EXPECT_EQ(again.SaveBytes(), doc.SaveBytes());
    doc.OnEditUndo();
    EXPECT_EQ(doc.displayName(), "sample_kessari.ksc");
}

// A profession that is no starting career is made by Full Generation at an age class drawn at
// random, each of the seven in turn.
// "Assign Advantages" that cannot be closed with OK (a Medic's minimums on too few skill points to
// keep 200) is cancelled, and said to be.
TEST(RandomCharacters, AdvantagesThatCannotBeAcceptedAreCancelled) {
    AdvantageAssignment model;
    model.open(kRaceKessari, 0, 0, AdvantageLevels{}, 300, 0); // a Medic
    Dice dice(1);
    RandomInteraction ui(dice, {});
    EXPECT_FALSE(ui.runAdvantageAssignment(model));
    EXPECT_FALSE(ui.advantagesAccepted());
}

TEST(RandomCharacters, EveryAgeClassIsDrawn) {
    std::set<std::int32_t> startAges;
    Dice dice(4);
    NpcPlan mimic;
    mimic.profession = 1;
    for (int i = 0; i < 60; ++i) {
        const MadeNpc made = makeNpc(mimic, dice);
        ASSERT_TRUE(made.record) << made.why;
        startAges.insert(made.record->m_nStartAge);
    }
    EXPECT_EQ(startAges, (std::set<std::int32_t>{1, 12, 21, 301, 506, 676, 801}));
    // A House's job comes from that House, taken in its dialog.
    NpcPlan monitor;
    monitor.profession = 81;
    const MadeNpc made = makeNpc(monitor, dice);
    ASSERT_TRUE(made.record) << made.why;
    EXPECT_EQ(std::pair(made.record->m_nCulture, made.record->m_nProfession), std::pair(14, 81));
}

// The characters of a folder, as orthavel-cli npc wrote them (scripts/random-characters names
// the folder in ORTHAVEL_CHECK_FOLDER): every one obeys the rules.
TEST(RandomCharacters, FilesOfAFolderObeyTheirOwnRules) {
    const char* folder = std::getenv("ORTHAVEL_CHECK_FOLDER");
    if (folder == nullptr) {
        GTEST_SKIP() << "no folder named";
    }
    int checked = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        CharacterRecord record;
        ASSERT_TRUE(loadCharacterFile(entry.path(), record)) << entry.path();
        for (const std::string& fault : faultsOf(record, true, true)) {
            ADD_FAILURE() << entry.path() << ": " << fault;
        }
        ++checked;
    }
    std::cout << checked << " characters checked\n";
}

} // namespace
} // namespace orthavel
