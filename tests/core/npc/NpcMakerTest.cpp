#include "core/npc/NpcMaker.h"
#include "core/dice/Dice.h"
#include "core/generation/AgeClasses.h"
#include "core/generation/OriginDialogs.h"
#include "core/interaction/FormDialog.h"
#include "core/npc/NpcBatch.h"
#include "core/npc/NpcNames.h"
#include "core/record/Names.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace orthavel {
namespace {

constexpr auto kAges = static_cast<std::int32_t>(kAgeClasses.size());

// Every House at every age class makes a character, seed after seed, wherever its age class can
// pay for one of its professions; that is every House at every age class but the youngest
// Balentin.
TEST(NpcMaker, EveryHouseAtEveryAgeClassMakesACharacter) {
    for (const std::int32_t house : npcCultures(kRaceKessari)) {
        for (std::int32_t age = 0; age < kAges; ++age) {
            NpcPlan request;
            request.culture = house;
            request.ageClass = age;
            bool payable = false;
            for (const NpcPlan& choice : professionChoices(request)) {
                payable = payable || ageClassCanPay(house, *choice.profession, age);
            }
            const std::string where =
                std::string(kCultureNames.at(static_cast<std::size_t>(house))) + " at " +
                std::string(ageClassName(age));
            EXPECT_EQ(payable, house != culture::kBalentin || age > 0) << where;
            if (!payable) {
                // Only a lucky draw makes one; a refusal says why.
                Dice dice(1);
                const MadeNpc made = makeNpc(request, dice);
                EXPECT_TRUE(made.record || !made.why.empty()) << where;
                continue;
            }
            for (std::uint64_t seed = 1; seed <= 20; ++seed) {
                Dice dice(seed);
                const MadeNpc made = makeNpc(request, dice);
                ASSERT_TRUE(made.record) << where << ", seed " << seed << ": " << made.why;
                EXPECT_EQ(made.record->m_nCulture, house) << where;
                EXPECT_EQ(made.record->m_nStartAge,
                          kAgeClasses.at(static_cast<std::size_t>(age)).minAge)
                    << where;
            }
        }
    }
}

// What an age class can pay for: the mastery requirements' cost against the age class's points
// once the minimum advantages are paid. An older age class never pays for less; some professions
// wait for older characters, none for ever.
TEST(NpcMaker, AnOlderAgeClassPaysForEveryProfessionAYoungerOneDoes) {
    int payableSomewhere = 0;
    int payableEverywhere = 0;
    for (const std::int32_t house : npcCultures(kRaceKessari)) {
        for (const std::int32_t profession : fullProfessions(kRaceKessari, house)) {
            int payable = 0;
            for (std::int32_t age = 0; age < kAges; ++age) {
                const bool pays = ageClassCanPay(house, profession, age);
                EXPECT_TRUE(!pays || age + 1 == kAges || ageClassCanPay(house, profession, age + 1))
                    << profession << " at " << age;
                payable += pays ? 1 : 0;
            }
            EXPECT_GT(payable, 0) << profession;
            payableSomewhere += 1;
            payableEverywhere += payable == kAges ? 1 : 0;
        }
    }
    EXPECT_LT(payableEverywhere, payableSomewhere);
    EXPECT_GT(payableEverywhere, 0);
}

// A batch asked for an age class goes on where one profession dealt cannot be paid for.
TEST(NpcMaker, ABatchAtAnAgeClassIsNeverRefusedWhereACharacterExists) {
    NpcPlan request;
    request.ageClass = 0;
    Dice dice(1);
    NpcBatch batch(request, dice);
    for (int i = 0; i < 30; ++i) {
        const MadeNpc made = batch.next();
        ASSERT_TRUE(made.record) << i << ": " << made.why;
    }
}

// Each gender has its own first names; the family names are shared.
TEST(NpcMaker, FirstNamesFollowTheGender) {
    int women = 0;
    for (std::uint64_t seed = 1; seed <= 40; ++seed) {
        Dice dice(seed);
        NpcPlan request;
        request.race = seed % 2 == 0 ? kRaceNeuonian : kRaceKessari;
        const MadeNpc made = makeNpc(request, dice);
        ASSERT_TRUE(made.record) << made.why;
        const std::string name = made.record->m_strName;
        const std::string first = name.substr(0, name.find(' '));
        const bool female = std::string(made.record->m_strGender) == "Female";
        const auto& names = female ? kNpcFemaleFirstNames : kNpcMaleFirstNames;
        EXPECT_NE(std::find(names.begin(), names.end(), first), names.end()) << name;
        EXPECT_NE(std::find(kNpcFamilyNames.begin(), kNpcFamilyNames.end(),
                            name.substr(name.find(' ') + 1)),
                  kNpcFamilyNames.end())
            << name;
        women += female ? 1 : 0;
    }
    EXPECT_GT(women, 0);
}

// A form is answered by its fields' keys, whatever their labels read.
TEST(NpcMaker, FieldsAreKnownByKeyNotLabel) {
    FormDialog dialog = nameAttitudeDialog();
    for (FormField& field : dialog.fields) {
        field.label = "Renamed:";
    }
    FormEntry form(dialog);
    Dice dice(2);
    RandomInteraction ui(dice, {});
    ASSERT_TRUE(ui.runForm(form));
    EXPECT_EQ(form.value(0), ui.name("Male"));
    EXPECT_EQ(form.value(1), kNpcPlayedBy);
    EXPECT_NE(std::find(kNpcAttitudes.begin(), kNpcAttitudes.end(), form.value(2)),
              kNpcAttitudes.end());
}

struct FileNameCase {
    std::string proposed;
    int number;
    std::string expected;
};

TEST(NpcMaker, NumberedFileNamesFitAFileSystem) {
    const std::string e = "\xC3\xA9"; // two bytes of UTF-8
    const std::string longName(300, 'a');
    const FileNameCase cases[] = {
        {"Rosa Pell.ksc", 1, "Rosa Pell.ksc"},
        {"Rosa Pell.ksc", 2, "Rosa Pell 2.ksc"},
        {"Rosa Pell.ksc", 12, "Rosa Pell 12.ksc"},
        {"Untitled", 3, "Untitled 3"},
        {longName + ".ksc", 1, std::string(251, 'a') + ".ksc"},
        {longName + ".ksc", 10, std::string(248, 'a') + " 10.ksc"},
        // A cut in the middle of a character goes back to its first byte.
        {std::string(250, 'a') + e + e + ".ksc", 1, std::string(250, 'a') + ".ksc"},
        {std::string(249, 'a') + e + e + ".ksc", 1, std::string(249, 'a') + e + ".ksc"},
    };
    for (const FileNameCase& c : cases) {
        EXPECT_EQ(numberedFileName(c.proposed, c.number), c.expected)
            << c.proposed.size() << " " << c.number;
    }
}

} // namespace
} // namespace orthavel
