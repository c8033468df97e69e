#include "core/npc/RatingPlan.h"

#include "core/dice/Dice.h"
#include "core/record/Names.h"

#include <gtest/gtest.h>

namespace orthavel {
namespace {

// The planner meets the requirements of every profession that has some, at the cost it reports.
TEST(RatingPlan, MeetsRequirementsAtItsCost) {
    for (std::int32_t profession = 0; profession <= profession::kLastKessariProfession;
         ++profession) {
        if (findMasteryRequirements(kRaceKessari, profession) == nullptr) {
            continue;
        }
        Dice dice(static_cast<std::uint64_t>(profession));
        RatingPlan plan(kRaceKessari, profession, SkillRatings{}, dice);
        ASSERT_TRUE(plan.meetRequirements()) << profession;
        EXPECT_TRUE(plan.requirementsMet()) << profession;
        std::int64_t sum = 0;
        for (const std::int32_t rating : plan.ratings()) {
            sum += rating;
        }
        EXPECT_EQ(plan.cost(), sum) << profession;
        // The rest spent without breaking them, to the last point.
        plan.spend(plan.cost() + 500);
        EXPECT_TRUE(plan.requirementsMet()) << profession;
        EXPECT_EQ(plan.cost(), sum + 500) << profession;
    }
}

} // namespace
} // namespace orthavel
