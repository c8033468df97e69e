#include "core/npc/RandomInteraction.h"

#include "core/advantages/AdvantageAssignment.h"
#include "core/dice/Dice.h"
#include "core/generation/AppearanceDialogs.h"
#include "core/generation/CareerDialogs.h"
#include "core/generation/OriginDialogs.h"
#include "core/interaction/ChoiceDialog.h"
#include "core/interaction/FormDialog.h"
#include "core/npc/NpcNames.h"
#include "core/record/Names.h"
#include "core/skills/SkillLevels.h"
#include "core/skills/SkillSelection.h"

#include <algorithm>
#include <array>
#include <vector>

namespace orthavel {
namespace {

// No showing of a dialog needs more steps than this; a bound, so nothing loops without end.
constexpr int kMostSteps = 400;

// The career dialogs whose answer a plan's profession decides.
bool isCareerDialog(std::string_view title) {
    const auto named = [&](const CareerDialogRow& row) { return row.title == title; };
    return std::any_of(kStartingCareerDialogs.begin(), kStartingCareerDialogs.end(), named) ||
           std::any_of(kJobsDialogs.begin(), kJobsDialogs.end(), named) ||
           named(kStartingJobDialog);
}

// The answer a plan gives a dialog: none (draw one), the button to close it with, or a cancel.
struct Planned {
    bool decided = false;
    const ChoiceButton* button = nullptr;
};

// The button of the wanted result; a cancel when the dialog has none.
Planned buttonWith(const ChoiceDialog& dialog, int wanted) {
    return {true, dialog.findResult(wanted)};
}

Planned plannedAnswer(const ChoiceDialog& dialog, const NpcPlan& plan) {
    if (dialog.title == kRaceDialogTitle && plan.race) {
        return buttonWith(dialog, *plan.race);
    }
    if (dialog.title == kCityStateDialogTitle && plan.culture) {
        return buttonWith(dialog, *plan.culture);
    }
    if (dialog.title == kHouseDialogTitle && plan.culture) {
        for (const auto& column : dialog.columns) {
            for (const ChoiceButton& button : column) {
                const auto row = static_cast<std::size_t>(button.result & ~dialog.keptBits);
                if (row < kHouseRows.size() && kHouseRows[row].culture == *plan.culture) {
                    return {true, &button};
                }
            }
        }
        return {true, nullptr};
    }
    if (dialog.title == kAgeCategoryDialogTitle && plan.ageClass) {
        return buttonWith(dialog, *plan.ageClass);
    }
    if (isCareerDialog(dialog.title) && plan.profession) {
        // Cancelled, a House's starting careers leave the entry job its House gave.
        return buttonWith(dialog, *plan.profession);
    }
    return {};
}

// The dialog shown and closed with one button: its click, then "OK" under radio buttons. A
// refused click leaves it open.
ChoiceEntry closedWith(const ChoiceDialog& dialog, const ChoiceButton& button) {
    ChoiceEntry entry(dialog);
    entry.click(button);
    if (dialog.style == ChoiceStyle::RadioThenOk) {
        entry.confirm();
    }
    return entry;
}

// The skills a rating can be given in "Choose Skills": its list and its text there.
struct Choosable {
    SkillCategory category = SkillCategory::Combat;
    std::string_view entry;
};

const std::array<std::optional<Choosable>, kSkillCount>& choosableSkills() {
    static const auto table = [] {
        std::array<std::optional<Choosable>, kSkillCount> skills{};
        for (int c = 0; c < kSkillCategoryCount; ++c) {
            const auto category = static_cast<SkillCategory>(c);
            for (const CatalogueEntry& entry : categoryEntries(category)) {
                auto& slot = skills[static_cast<std::size_t>(entry.skill)];
                if (!slot) {
                    slot = Choosable{category, entry.name};
                }
            }
        }
        return skills;
    }();
    return table;
}

// The members of an emphasis that count for a race and can be rated in the dialog.
std::vector<std::int32_t> membersOf(std::int32_t emphasis, std::int32_t race) {
    std::vector<std::int32_t> members;
    for (const MemberRange& range : kEmphases[static_cast<std::size_t>(emphasis)].members) {
        if (!countsFor(range.scope, race)) {
            continue;
        }
        for (std::int32_t skill = range.first; skill <= range.last; ++skill) {
            if (choosableSkills()[static_cast<std::size_t>(skill)]) {
                members.push_back(skill);
            }
        }
    }
    return members;
}

// Ratings worked out before they are typed into the dialog, with what they cost so far.
class RatingPlan {
public:
    RatingPlan(std::int32_t race, std::int32_t profession, const SkillRatings& ratings, Dice& dice)
        : m_race(race), m_profession(profession), m_ratings(ratings), m_dice(dice) {}

    const SkillRatings& ratings() const { return m_ratings; }
    std::int64_t cost() const { return m_cost; }
    bool requirementsMet() const { return ratedLevels(m_race, m_profession, m_ratings).check.met; }

    // Raises ratings until the profession's mastery requirements hold, the lowest first; false
    // when no raise within 100 can make them hold.
    bool meetRequirements() {
        const MasteryRequirementRow* row = findMasteryRequirements(m_race, m_profession);
        for (int step = 0; step < kMostSteps; ++step) {
            const RatedLevels rated = ratedLevels(m_race, m_profession, m_ratings);
            if (rated.check.met) {
                return true;
            }
            const std::int64_t before = m_cost;
            for (const MasteryRequirement& requirement : row->required) {
                if (requirement.value.kind != MasteryValue::Kind::None &&
                    valueOf(requirement.value, rated.levels, m_ratings) < requirement.minimum) {
                    raise(requirement.value, requirement.minimum, rated.levels);
                    break;
                }
            }
            if (m_cost == before) {
                return false;
            }
        }
        return false;
    }

    // Spends points at random without breaking the requirements where they hold: a raise that
    // would break them is taken back. What chance does not place goes first to skills that count
    // toward no emphasis, then to skills already rated (a higher rating never lowers a level).
    void spend(std::int64_t points) {
        const bool keep = requirementsMet();
        for (int attempt = 0; attempt < 60 && m_cost < points; ++attempt) {
            const auto skill = static_cast<std::size_t>(m_dice.uniform(0, kSkillCount - 1));
            if (!choosableSkills()[skill] || m_ratings[skill] >= kHighestRating) {
                continue;
            }
            const auto most = static_cast<std::int32_t>(
                std::min<std::int64_t>(kHighestRating - m_ratings[skill], points - m_cost));
            const std::int32_t amount = m_dice.uniform(1, std::min(most, 40));
            m_ratings[skill] += amount;
            if (keep && !requirementsMet()) {
                m_ratings[skill] -= amount;
                continue;
            }
            m_cost += amount;
        }
        const auto fill = [&](auto&& wanted) {
            for (std::int32_t skill = 0; skill < kSkillCount && m_cost < points; ++skill) {
                const auto s = static_cast<std::size_t>(skill);
                if (choosableSkills()[s] && wanted(skill)) {
                    const auto amount = static_cast<std::int32_t>(
                        std::min<std::int64_t>(kHighestRating - m_ratings[s], points - m_cost));
                    m_ratings[s] += amount;
                    m_cost += amount;
                }
            }
        };
        fill([&](std::int32_t skill) { return !emphasisOf(skill, m_race); });
        fill([&](std::int32_t skill) { return m_ratings[static_cast<std::size_t>(skill)] > 0; });
    }

private:
    void setAtLeast(std::int32_t skill, std::int32_t rating) {
        auto& current = m_ratings[static_cast<std::size_t>(skill)];
        const std::int32_t target = std::min(rating, kHighestRating);
        if (current < target) {
            m_cost += target - current;
            current = target;
        }
    }

    // An emphasis at least level: enough members rated, and their average at level times ten.
    void raiseEmphasis(std::int32_t emphasis, std::int32_t level) {
        std::vector<std::int32_t> members = membersOf(emphasis, m_race);
        const std::int32_t goal = level * 10;
        std::int32_t rated = 0;
        for (std::int32_t skill : members) {
            rated += m_ratings[static_cast<std::size_t>(skill)] > 0 ? 1 : 0;
        }
        const std::int32_t needed = kEmphases[static_cast<std::size_t>(emphasis)].ratedNeeded;
        // Unrated members join at the goal, in a random order.
        for (std::size_t i = members.size(); i > 1; --i) {
            std::swap(
                members[i - 1],
                members[static_cast<std::size_t>(m_dice.uniform(0, static_cast<int>(i) - 1))]);
        }
        for (std::int32_t skill : members) {
            if (rated >= needed) {
                break;
            }
            if (m_ratings[static_cast<std::size_t>(skill)] <= 0) {
                setAtLeast(skill, std::max(goal, 1));
                ++rated;
            }
        }
        // Then the lowest rated members rise until the average reaches the goal.
        std::int64_t sum = 0;
        std::vector<std::int32_t> ratedMembers;
        for (std::int32_t skill : members) {
            if (const std::int32_t r = m_ratings[static_cast<std::size_t>(skill)]; r > 0) {
                sum += r;
                ratedMembers.push_back(skill);
            }
        }
        std::sort(ratedMembers.begin(), ratedMembers.end(), [&](std::int32_t a, std::int32_t b) {
            return m_ratings[static_cast<std::size_t>(a)] < m_ratings[static_cast<std::size_t>(b)];
        });
        std::int64_t missing =
            std::int64_t{goal} * static_cast<std::int64_t>(ratedMembers.size()) - sum;
        for (std::int32_t skill : ratedMembers) {
            if (missing <= 0) {
                break;
            }
            const std::int32_t current = m_ratings[static_cast<std::size_t>(skill)];
            const auto raised = static_cast<std::int32_t>(
                std::min<std::int64_t>(kHighestRating, current + missing));
            missing -= raised - current;
            setAtLeast(skill, raised);
        }
    }

    void raise(const MasteryValue& value, std::int32_t minimum, const MasteryResult& levels) {
        switch (value.kind) {
        case MasteryValue::Kind::Rating:
            setAtLeast(value.index, minimum);
            break;
        case MasteryValue::Kind::Emphasis:
            raiseEmphasis(value.index, minimum);
            break;
        case MasteryValue::Kind::Mastery: {
            // Every emphasis the mastery averages reaches the minimum; with none yet, one does.
            std::vector<std::int32_t> emphases;
            std::vector<std::int32_t> candidates;
            for (std::int32_t e = 0; e < kEmphasisCount; ++e) {
                const auto i = static_cast<std::size_t>(e);
                if (kEmphases[i].mastery != value.index ||
                    membersOf(e, m_race).size() <
                        static_cast<std::size_t>(kEmphases[i].ratedNeeded)) {
                    continue;
                }
                candidates.push_back(e);
                if (levels.emphases[i] > 0 && levels.emphases[i] < minimum) {
                    emphases.push_back(e);
                }
            }
            bool anyRated = false;
            for (std::int32_t e : candidates) {
                anyRated = anyRated || levels.emphases[static_cast<std::size_t>(e)] > 0;
            }
            if (!anyRated && !candidates.empty()) {
                emphases.push_back(candidates[static_cast<std::size_t>(
                    m_dice.uniform(0, static_cast<int>(candidates.size()) - 1))]);
            }
            for (std::int32_t e : emphases) {
                raiseEmphasis(e, minimum);
            }
            break;
        }
        case MasteryValue::Kind::None:
            break;
        }
    }

    std::int32_t m_race;
    std::int32_t m_profession;
    SkillRatings m_ratings;
    Dice& m_dice;
    std::int64_t m_cost = 0;
};

} // namespace

RandomInteraction::RandomInteraction(Dice& dice, NpcPlan plan)
    : m_dice(dice), m_plan(std::move(plan)) {}

int RandomInteraction::draw(int lowest, int highest) {
    return highest <= lowest ? lowest : m_dice.uniform(lowest, highest);
}

void RandomInteraction::fail(std::string why) {
    if (m_why.empty()) {
        m_why = std::move(why);
    }
}

void RandomInteraction::showMessage(const Message& /*message*/) {}

std::optional<int> RandomInteraction::runChoice(const ChoiceDialog& dialog) {
    if (const Planned planned = plannedAnswer(dialog, m_plan); planned.decided) {
        return planned.button != nullptr ? closedWith(dialog, *planned.button).result()
                                         : std::nullopt;
    }
    std::vector<const ChoiceButton*> buttons;
    for (const auto& column : dialog.columns) {
        for (const ChoiceButton& button : column) {
            buttons.push_back(&button);
        }
    }
    // In a random order, the first button the dialog does not refuse.
    for (std::size_t i = buttons.size(); i > 1; --i) {
        std::swap(buttons[i - 1],
                  buttons[static_cast<std::size_t>(draw(0, static_cast<int>(i) - 1))]);
    }
    for (const ChoiceButton* button : buttons) {
        if (const ChoiceEntry entry = closedWith(dialog, *button); !entry.open()) {
            return entry.result();
        }
    }
    return std::nullopt;
}

bool RandomInteraction::runForm(FormEntry& form) {
    const auto pick = [&](auto& list) {
        return std::string(
            list[static_cast<std::size_t>(draw(0, static_cast<int>(std::size(list)) - 1))]);
    };
    for (std::size_t i = 0; i < form.fieldCount(); ++i) {
        const FormField& field = form.dialog().fields[i];
        std::string text = form.text(i);
        if (field.label == "Character Name:") {
            text = pick(kNpcFirstNames) + " " + pick(kNpcFamilyNames);
        } else if (field.label == "Played By:") {
            text = std::string(kNpcPlayedBy);
        } else if (field.label == "Attitude:") {
            text = pick(kNpcAttitudes);
        } else if (field.label == "Background:") {
            text = pick(kNpcBackgrounds);
        } else if (field.label == "Birth Date:") {
            // The year is the age taken from 1000, as the dialog's note says.
            text = pick(kNpcBirthMonths) + " " + std::to_string(1000 - m_age);
        } else if (field.kind == FieldKind::DropDown && !field.items.empty()) {
            text = pick(field.items);
        } else if (field.kind == FieldKind::Number && field.arrows) {
            m_age = draw(field.arrows->lowest, field.arrows->highest);
            text = std::to_string(m_age);
        } else if (field.kind == FieldKind::Number) {
            // Newly earned points: a few, never fewer than none.
            const bool advantages = field.label.find("advantage") != std::string::npos;
            text = std::to_string(
                draw(std::max(field.minimum, 0), std::min(field.maximum, advantages ? 3 : 60)));
        }
        form.type(i, text);
        form.leave(i);
    }
    return !form.confirm().has_value();
}

SaveAnswer RandomInteraction::askSaveChanges(std::string_view /*documentName*/) {
    return SaveAnswer::Cancel;
}

bool RandomInteraction::runAdvantageAssignment(AdvantageAssignment& model) {
    const std::int32_t race = model.race();
    // The profession's minimums first, the lower of two alternatives where either will do.
    if (const ProfessionMinimumsRow* row = findProfessionMinimums(race, model.profession())) {
        for (std::size_t i = 0; i < row->minimumCount(); ++i) {
            const AdvantageMinimum& minimum = row->minimums[i];
            const bool either = minimum.alternative >= 0 &&
                                model.level(advantageAt(minimum.alternative)) >= minimum.level;
            if (!either && model.level(minimum.advantage) < minimum.level) {
                model.setLevel(minimum.advantage, minimum.level);
            }
        }
    }
    // Then every point on a random advantage below its maximum; points nothing can take become
    // skill points, and a pool below zero borrows skill points while there are enough.
    for (int step = 0; step < kMostSteps && model.advantagePoints() != 0; ++step) {
        if (model.advantagePoints() < 0) {
            const std::int32_t before = model.advantagePoints();
            model.skillPointsToAdvantages();
            if (model.advantagePoints() == before) {
                break;
            }
            continue;
        }
        std::vector<Advantage> open;
        for (int a = 0; a < kAdvantageCount; ++a) {
            if (model.level(advantageAt(a)) < model.maximumLevel(advantageAt(a))) {
                open.push_back(advantageAt(a));
            }
        }
        if (open.empty()) {
            model.advantagesToSkillPoints();
            continue;
        }
        const Advantage chosen =
            open[static_cast<std::size_t>(draw(0, static_cast<int>(open.size()) - 1))];
        model.setLevel(chosen, model.level(chosen) + 1);
    }
    // Refused (a character of few skill points cannot keep the 200 the dialog asks for), it is
    // cancelled, as a player must: the step keeps what the character had before it.
    m_advantagesAccepted = !model.confirm().has_value();
    return m_advantagesAccepted;
}

bool RandomInteraction::runSkillSelection(SkillSelection& model) {
    RatingPlan plan(model.race(), model.profession(), model.ratings(), m_dice);
    const std::int64_t points = model.skillPoints();
    const bool met = findMasteryRequirements(model.race(), model.profession()) == nullptr ||
                     plan.meetRequirements();
    if (!met || plan.cost() > points) {
        m_skillsAccepted = false;
        const auto* row = findMasteryRequirements(model.race(), model.profession());
        fail(std::string(row != nullptr ? row->profession : std::string_view("The profession")) +
             ": " + std::to_string(points) +
             " skill points cannot pay for the mastery requirements" +
             (met ? " (" + std::to_string(plan.cost()) + " needed)." : "."));
        return false;
    }
    plan.spend(points);
    // Typed into the dialog as a player would: pick the entry, type the rating, leave the box.
    const SkillRatings& target = plan.ratings();
    for (std::size_t skill = 0; skill < target.size(); ++skill) {
        if (target[skill] != model.ratings()[skill]) {
            const Choosable& where = *choosableSkills()[skill];
            model.chooseEntry(where.category, where.entry);
            model.typeBoxValue(where.category, std::to_string(target[skill]));
        }
    }
    if (const auto refused = model.confirm()) {
        m_skillsAccepted = false;
        fail(refused->text);
        return false;
    }
    return true;
}

void RandomInteraction::showEmphasisDisplay(const EmphasisDisplay& /*display*/) {}

bool RandomInteraction::runSkillRoll(SkillRoll& /*model*/) {
    return false;
}

} // namespace orthavel
