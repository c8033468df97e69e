#include "core/npc/RatingPlan.h"

#include "core/dice/Dice.h"
#include "core/record/Names.h"

#include <gtest/gtest.h>

#include <numeric>

namespace orthavel {
namespace {

// The planner meets the requirements of every profession that has some, at the cost it reports,
// then spends the rest without breaking them, to the last point.
TEST(RatingPlan, MeetsRequirementsAtItsCost) {
    for (std::int32_t profession = 0; profession <= profession::kLastKessariProfession;
         ++profession) {
        Dice dice(static_cast<std::uint64_t>(profession));
        RatingPlan plan(kRaceKessari, profession, SkillRatings{}, dice);
        const auto rated = [&] {
            return std::accumulate(plan.ratings().begin(), plan.ratings().end(), std::int64_t{0});
        };
        ASSERT_TRUE(plan.meetRequirements()) << profession;
        const std::int64_t cost = plan.cost();
        EXPECT_EQ(rated(), cost) << profession;
        plan.spend(cost + 500);
        EXPECT_TRUE(plan.requirementsMet()) << profession;
        EXPECT_EQ(std::pair(plan.cost(), rated()), std::pair(cost + 500, cost + 500)) << profession;
    }
}

} // namespace
} // namespace orthavel
