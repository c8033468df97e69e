#include "core/advantages/AdvantageAssignment.h"
#include "core/document/CQuorvelDoc.h"
#include "core/record/DerivedStats.h"
#include "core/skills/SkillSelection.h"

#include "support/FakeInteraction.h"

#include <gtest/gtest.h>

#include <functional>
#include <tuple>

namespace orthavel {
namespace {

// The fake person, who also works the advantage and skill dialogs through a given routine
// (none: Escape) and remembers what each dialog was given.
struct ModelFake : test::FakeInteraction {
    std::vector<AdvantageAssignment> advantagesGiven;
    std::vector<SkillSelection> skillsGiven;
    bool runAdvantageAssignment(AdvantageAssignment& model) override {
        advantagesGiven.push_back(model);
        return FakeInteraction::runAdvantageAssignment(model);
    }
    bool runSkillSelection(SkillSelection& model) override {
        skillsGiven.push_back(model);
        return FakeInteraction::runSkillSelection(model);
    }
};

// A character as a file would hold it: derived values up to date, opened on page 1.
CQuorvelDoc openedCharacter() {
    CQuorvelDoc doc;
    UpdateDerivedStats(doc.record());
    doc.record().m_nPage = 1;
    return doc;
}

const Message kReminder{"Don't Forget", "Don't forget to save your character.", false};

// The one number dialog shown: title, label, lowest and highest value.
std::tuple<std::string, std::string, int, int> onlyPrompt(const ModelFake& ui) {
    EXPECT_EQ(ui.forms.size(), 1U);
    if (ui.forms.empty()) {
        return {};
    }
    const FormField& field = ui.forms[0].fields.at(0);
    return {ui.forms[0].title, field.label, field.minimum, field.maximum};
}

// A command that ends abnormally (a script that stops matching, any exception) half way through
// its dialogs leaves the open character exactly as it was, its flags included.
TEST(UpdateCommands, AnExceptionMidCommandLeavesTheCharacterUntouched) {
    const std::vector<std::pair<const char*, void (CQuorvelDoc::*)(Interaction&)>> commands{
        {"advantages", &CQuorvelDoc::OnUpdateAdvantages},
        {"skills", &CQuorvelDoc::OnUpdateSkills},
    };
    for (const auto& [name, command] : commands) {
        CQuorvelDoc doc = openedCharacter();
        doc.record().m_nSkillPoints = 30;
        const std::string before = doc.SaveBytes();
        ModelFake ui;
        ui.numberEntries.push_back("5");
        ui.onAdvantages = [](AdvantageAssignment& model) -> bool {
            model.stepLevel(Advantage::Strength, 1);
            throw std::runtime_error("the script stopped matching");
        };
        ui.onSkills = [](SkillSelection& model) -> bool {
            model.chooseEntry(SkillCategory::Combat, "Long Sword");
            model.stepBox(SkillCategory::Combat, 1);
            throw std::runtime_error("the script stopped matching");
        };
        EXPECT_THROW((doc.*command)(ui), std::runtime_error) << name;
        EXPECT_EQ(doc.SaveBytes(), before) << name;
        EXPECT_EQ(doc.record().m_bUpdateMode, 0) << name;
        EXPECT_FALSE(doc.IsModified()) << name;
    }
}

TEST(UpdateAdvantages, CancellingBothDialogsDropsOnlyTheUnspentPoints) {
    CQuorvelDoc doc = openedCharacter();
    doc.record().m_nSkillPoints = 80;
    doc.record().m_nAdvantagePoints = 2;
    const CharacterRecord before = doc.record();
    ModelFake ui;
    doc.OnUpdateAdvantages(ui);

    EXPECT_EQ(onlyPrompt(ui),
              std::tuple("Update Advantages", "Number of new advantage points:", -10, 10));
    ASSERT_EQ(ui.advantagesGiven.size(), 1U);
    const AdvantageAssignment& given = ui.advantagesGiven[0];
    EXPECT_EQ(std::tuple(given.skillPoints(), given.advantagePoints(), given.updateMode()),
              std::tuple(0, 0, 1));

    EXPECT_EQ(doc.record().m_aAdvantage, before.m_aAdvantage);
    const CharacterRecord& r = doc.record();
    EXPECT_EQ(std::tuple(r.m_nSkillPoints, r.m_nAdvantagePoints, r.m_bUpdateMode, r.m_nPage),
              std::tuple(0, 0, 1, 1));
    EXPECT_EQ(ui.messages, std::vector<Message>{kReminder});
    EXPECT_TRUE(doc.IsModified()) << "the dropped points are a change worth saving";

    // A second update that changes nothing leaves the document unmodified.
    doc.SetModifiedFlag(false);
    doc.OnUpdateAdvantages(ui);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(ui.messages, std::vector<Message>(2, kReminder));
}

TEST(UpdateAdvantages, AcceptedLevelsAndPoolsComeBackAndDerivedValuesFollow) {
    CQuorvelDoc doc = openedCharacter();
    doc.record().m_nRace = kRaceKessari;
    doc.record().m_nProfession = 103;
    doc.record().m_aAdvantage[0] = 1;
    ModelFake ui;
    // An entry out of range is refused with the range prompt, then 2 is taken.
    ui.numberEntries = {"11", "2"};
    ui.onAdvantages = [](AdvantageAssignment& model) {
        EXPECT_EQ(model.advantagePoints(), 2);
        EXPECT_TRUE(model.stepLevel(Advantage::Strength, +1));
        EXPECT_TRUE(model.stepLevel(Advantage::Strength, +1));
        EXPECT_TRUE(model.stepLevel(Advantage::Strength, +1)); // borrows 25 skill points
        return !model.confirm().has_value();
    };
    doc.OnUpdateAdvantages(ui);

    EXPECT_EQ(ui.messages.front().text, "Please enter an integer between -10 and 10.");
    const CharacterRecord& r = doc.record();
    EXPECT_EQ(std::tuple(r.m_aAdvantage[0], r.m_nAdvantagePoints, r.m_nSkillPoints),
              std::tuple(4, 0, -25))
        << "the skill point floor is waived in update mode";
    CharacterRecord expected = doc.record();
    UpdateDerivedStats(expected);
    EXPECT_EQ(doc.record(), expected) << "derived values are recomputed";
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(ui.messages.back(), kReminder);
}

TEST(UpdateAdvantages, ARefusedOkThenEscapeKeepsTheLevels) {
    CQuorvelDoc doc = openedCharacter();
    const auto levels = doc.record().m_aAdvantage;
    ModelFake ui;
    ui.numberEntries = {"3"};
    ui.onAdvantages = [&](AdvantageAssignment& model) {
        model.stepLevel(Advantage::Logic, +1);
        const auto refused = model.confirm();
        EXPECT_TRUE(refused.has_value());
        if (refused) {
            ui.showMessage(*refused);
        }
        return false;
    };
    doc.OnUpdateAdvantages(ui);
    EXPECT_EQ(doc.record().m_aAdvantage, levels);
    EXPECT_EQ(doc.record().m_nAdvantagePoints, 3);
    EXPECT_EQ(ui.messages.front().caption, "Advantage Warning");
}

TEST(UpdateSkills, CancellingThePromptKeepsTheUnspentPointsForTheSkillDialog) {
    CQuorvelDoc doc = openedCharacter();
    doc.record().m_nSkillPoints = 30;
    doc.record().m_nExperience = 77;
    doc.record().m_aSkill[3] = 40;
    doc.record().m_aEmphasis[0] = 9;
    doc.record().m_nProfessionLevel = 5;
    doc.record().m_nPage = 2;
    const CharacterRecord before = doc.record();
    ModelFake ui;
    ui.onSkills = [](SkillSelection& model) {
        model.chooseEntry(SkillCategory::Combat, "Long Sword");
        model.typeBoxValue(SkillCategory::Combat, "50"); // 10 points spent, then Escape
        return false;
    };
    doc.OnUpdateSkills(ui);

    EXPECT_EQ(onlyPrompt(ui),
              std::tuple("Update Skills", "Enter number of new skill points:", -200, 200));
    ASSERT_EQ(ui.skillsGiven.size(), 1U);
    EXPECT_EQ(std::tuple(ui.skillsGiven[0].skillPoints(), ui.skillsGiven[0].experience()),
              std::tuple(30, 77));

    const CharacterRecord& r = doc.record();
    EXPECT_EQ(r.m_aSkill, before.m_aSkill);
    EXPECT_EQ(r.m_aEmphasis, before.m_aEmphasis);
    // The working balance comes back; the level, experience and page stay.
    EXPECT_EQ(std::tuple(r.m_nProfessionLevel, r.m_nSkillPoints, r.m_nExperience, r.m_nPage),
              std::tuple(5, 20, 77, 2));
    EXPECT_EQ(ui.messages.back(), kReminder);
    EXPECT_TRUE(doc.IsModified());
}

TEST(UpdateSkills, AnAcceptedDialogBringsBackRatingsMasteriesAndTheLifeLevel) {
    CQuorvelDoc doc = openedCharacter();
    doc.record().m_nRace = kRaceNeuonian;
    doc.record().m_nProfession = 87; // City Guard: Combat 2
    doc.record().m_nSocialLevel = 4;
    doc.record().m_nFiscalLevel = 5;
    doc.record().m_nLifeLevel = 1;
    doc.record().m_nMaxLifeLevel = 2;
    doc.record().m_aSkill[0] = 20;
    ModelFake ui;
    ui.numberEntries = {"10"};
    ui.onSkills = [&ui](SkillSelection& model) {
        model.chooseEntry(SkillCategory::Combat, "Short Sword");
        model.typeBoxValue(SkillCategory::Combat, "10");
        if (const auto refused = model.confirm()) {
            ui.showMessage(*refused);
            return false;
        }
        return true;
    };
    doc.OnUpdateSkills(ui);

    // Combat 1 is short of City Guard's 2: the OK is refused and the dialog closed.
    EXPECT_EQ(ui.messages.front().caption, "Required Masteries Not Correct");
    const CharacterRecord& r = doc.record();
    EXPECT_EQ(std::tuple(r.m_aSkill[1], r.m_aEmphasis[0], r.m_nSkillPoints), std::tuple(0, 0, 0))
        << "the skill points are the balance after the 10 points spent";

    ui.numberEntries = {"30"};
    ui.onSkills = [](SkillSelection& model) {
        model.chooseEntry(SkillCategory::Combat, "Short Sword");
        model.typeBoxValue(SkillCategory::Combat, "30");
        return !model.confirm().has_value();
    };
    doc.OnUpdateSkills(ui);
    // Emphasis (20 + 30) / 2 / 10, and the life level (4 + 2 + 5) / 3.
    EXPECT_EQ(std::tuple(r.m_aSkill[1], r.m_aEmphasis[0], r.m_aMastery[kMasteryCombat],
                         r.m_nProfessionLevel, r.m_nSkillPoints, r.m_nLifeLevel, r.m_nMaxLifeLevel,
                         r.m_bUpdateMode),
              std::tuple(30, 2, 2, 2, 0, 3, 3, 1));
}

TEST(UpdateSkills, AProfessionWithoutRequirementsKeepsItsLevel) {
    CQuorvelDoc doc = openedCharacter();
    doc.record().m_nRace = kRaceNeuonian;
    doc.record().m_nProfession = 5; // a Kessari profession: no Neuonian row
    doc.record().m_nProfessionLevel = 6;
    ModelFake ui;
    ui.onSkills = [](SkillSelection& model) { return !model.confirm().has_value(); };
    doc.OnUpdateSkills(ui);
    EXPECT_EQ(doc.record().m_nProfessionLevel, 6);
}

} // namespace
} // namespace orthavel
