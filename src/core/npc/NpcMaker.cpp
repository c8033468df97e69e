// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/npc/NpcMaker.h"

#include "core/advantages/ProfessionMinimums.h"
#include "core/dice/Dice.h"
#include "core/generation/AppearanceDialogs.h"
#include "core/generation/CareerDialogs.h"
#include "core/generation/FullGeneration.h"
#include "core/generation/GenerationRules.h"
#include "core/generation/NativeSkills.h"
#include "core/generation/OriginDialogs.h"
#include "core/generation/QuickGeneration.h"
#include "core/interaction/ChoiceDialog.h"
#include "core/npc/RatingPlan.h"
#include "core/record/Names.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace orthavel {
namespace {

// How often a request is drawn again before it is given up: where no profession of the request
// is sure to be paid for by its age class, only a lucky lineage and native skills make one, so
// such a request is drawn many more times.
constexpr int kAttempts = 12;
constexpr int kAttemptsOnLuck = 400;

// The family trade of an average lineage that brings skill points.
constexpr std::int32_t kSkillPointsLineage = 1;

bool sameWords(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

template <typename Names>
std::optional<std::int32_t> codeOrName(std::string_view text, const Names& names) {
    std::int32_t code = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), code);
    if (error == std::errc() && end == text.data() + text.size()) {
        if (code >= 0 && static_cast<std::size_t>(code) < std::size(names)) {
            return code;
        }
        return std::nullopt;
    }
    for (std::size_t i = 0; i < std::size(names); ++i) {
        if (sameWords(text, names[i])) {
            return static_cast<std::int32_t>(i);
        }
    }
    return std::nullopt;
}

bool contains(const std::vector<std::int32_t>& codes, std::int32_t code) {
    return std::find(codes.begin(), codes.end(), code) != codes.end();
}

std::vector<std::int32_t> codesOf(const CareerDialogRow& row) {
    std::vector<std::int32_t> codes;
    for (const CareerButton& button : row.buttons()) {
        codes.push_back(button.code);
    }
    return codes;
}

// Every profession a culture of the race offers, through either flow.
std::vector<std::int32_t> offered(std::int32_t race, std::int32_t culture) {
    std::vector<std::int32_t> codes = quickProfessions(race, culture);
    for (std::int32_t code : fullProfessions(race, culture)) {
        if (!contains(codes, code)) {
            codes.push_back(code);
        }
    }
    return codes;
}

// The request made whole: what it leaves open drawn from what the rest allows, every race and
// profession as likely as another, then a culture that offers the profession.
NpcPlan drawPlan(const NpcPlan& request, Dice& dice) {
    NpcPlan plan = request;
    if (!plan.race || !plan.profession) {
        plan = dice.pick(payableChoices(request));
    }
    if (!plan.culture) {
        std::vector<std::int32_t> cultures;
        for (std::int32_t c : npcCultures(*plan.race)) {
            const auto codes =
                request.ageClass ? fullProfessions(*plan.race, c) : offered(*plan.race, c);
            if (contains(codes, *plan.profession)) {
                cultures.push_back(c);
            }
        }
        plan.culture = dice.pick(cultures);
    }
    const bool quick = !request.ageClass &&
                       contains(quickProfessions(*plan.race, *plan.culture), *plan.profession);
    if (!quick && !plan.ageClass) {
        plan.ageClass = dice.uniform(0, static_cast<int>(kAgeClasses.size()) - 1);
    }
    return plan;
}

} // namespace

std::vector<std::int32_t> npcCultures(std::int32_t race) {
    std::vector<std::int32_t> cultures;
    if (race == kRaceNeuonian) {
        for (const CityStateRow& row : kCityStateRows) {
            cultures.push_back(row.culture);
        }
    } else {
        for (const HouseRow& row : kHouseRows) {
            cultures.push_back(row.culture);
        }
    }
    return cultures;
}

std::vector<std::int32_t> quickProfessions(std::int32_t race, std::int32_t culture) {
    if (!contains(npcCultures(race), culture)) {
        return {};
    }
    if (race == kRaceNeuonian) {
        return codesOf(kStartingJobDialog);
    }
    for (const CareerDialogRow& row : kStartingCareerDialogs) {
        if (row.culture == culture) {
            return codesOf(row);
        }
    }
    for (const HouseRow& row : kHouseRows) {
        if (row.culture == culture) {
            return {row.profession};
        }
    }
    return {};
}

std::vector<std::int32_t> fullProfessions(std::int32_t race, std::int32_t culture) {
    if (race == kRaceNeuonian || !contains(npcCultures(race), culture)) {
        return {};
    }
    for (const CareerDialogRow& row : kJobsDialogs) {
        if (row.culture == culture) {
            return codesOf(row);
        }
    }
    // A House without a jobs dialog keeps the entry job its button gives.
    return quickProfessions(race, culture);
}

std::optional<std::int32_t> raceNamed(std::string_view text) {
    static constexpr std::array<std::string_view, 2> kRaces{"Kessari", "Neuonian"};
    return codeOrName(text, kRaces);
}

std::optional<std::int32_t> cultureNamed(std::string_view text) {
    return codeOrName(text, kCultureNames);
}

std::optional<std::int32_t> professionNamed(std::string_view text) {
    return codeOrName(text, kProfessionNames);
}

std::optional<std::int32_t> professionNamed(std::string_view text, const NpcPlan& request) {
    const auto first = professionNamed(text);
    for (std::size_t code = 0; first && code < kProfessionNames.size(); ++code) {
        NpcPlan asked = request;
        asked.profession = static_cast<std::int32_t>(code);
        if (kProfessionNames[code] == kProfessionNames[static_cast<std::size_t>(*first)] &&
            !requestProblem(asked)) {
            return asked.profession;
        }
    }
    return first;
}

std::string_view ageClassName(std::int32_t ageClass) {
    static const auto names = [] {
        std::array<std::string, kAgeClasses.size()> all;
        for (std::size_t i = 0; i < all.size(); ++i) {
            all[i] = stripMnemonic(kAgeClasses[i].caption);
        }
        return all;
    }();
    return ageClass >= 0 && static_cast<std::size_t>(ageClass) < names.size()
               ? std::string_view(names[static_cast<std::size_t>(ageClass)])
               : std::string_view();
}

std::optional<std::int32_t> ageClassNamed(std::string_view text) {
    std::array<std::string_view, kAgeClasses.size()> names;
    for (std::size_t i = 0; i < names.size(); ++i) {
        names[i] = ageClassName(static_cast<std::int32_t>(i));
    }
    return codeOrName(text, names);
}

std::optional<std::string> requestProblem(const NpcPlan& request) {
    if (request.ageClass && request.race == kRaceNeuonian) {
        return "Only Kessari characters are made at an age class.";
    }
    if (request.race && request.culture &&
        !contains(npcCultures(*request.race), *request.culture)) {
        return std::string(kCultureNames.at(static_cast<std::size_t>(*request.culture))) +
               (*request.race == kRaceNeuonian ? " is not a city-state of the Neuonians."
                                               : " is not a House of the Kessari.");
    }
    for (const std::int32_t race : {kRaceKessari, kRaceNeuonian}) {
        if ((request.race && *request.race != race) || (request.ageClass && race != kRaceKessari)) {
            continue;
        }
        for (std::int32_t culture : npcCultures(race)) {
            if (request.culture && *request.culture != culture) {
                continue;
            }
            const auto codes =
                request.ageClass ? fullProfessions(race, culture) : offered(race, culture);
            if (!request.profession || contains(codes, *request.profession)) {
                return std::nullopt;
            }
        }
    }
    std::string who =
        request.race ? std::string(raceName(*request.race)) + " character" : "character";
    if (request.culture) {
        who += " of " + std::string(kCultureNames.at(static_cast<std::size_t>(*request.culture)));
    }
    if (request.profession) {
        return "No " + who + " can be a " +
               std::string(kProfessionNames.at(static_cast<std::size_t>(*request.profession))) +
               (request.ageClass ? " at an age class." : ".");
    }
    return "No " + who + " is made at an age class.";
}

std::vector<NpcPlan> professionChoices(const NpcPlan& request) {
    std::vector<NpcPlan> choices;
    for (const std::int32_t race : {kRaceKessari, kRaceNeuonian}) {
        if (request.race && *request.race != race) {
            continue;
        }
        std::vector<std::int32_t> codes;
        for (std::int32_t culture : npcCultures(race)) {
            if (request.culture && *request.culture != culture) {
                continue;
            }
            for (std::int32_t code :
                 request.ageClass ? fullProfessions(race, culture) : offered(race, culture)) {
                if (!contains(codes, code)) {
                    codes.push_back(code);
                }
            }
        }
        for (std::int32_t code : codes) {
            if (request.profession && *request.profession != code) {
                continue;
            }
            NpcPlan choice = request;
            choice.race = race;
            choice.profession = code;
            if (!requestProblem(choice)) {
                choices.push_back(choice);
            }
        }
    }
    return choices;
}

bool ageClassCanPay(std::int32_t culture, std::int32_t profession, std::int32_t ageClass) {
    // Full Generation's own steps up to "Choose Skills": the age class's points with the family
    // trade that gives skill points, less what the profession's minimum advantages cost, and the
    // native skills, some of them drawn.
    CharacterRecord record;
    record.m_nCulture = culture;
    ApplyAgeDelineation(record, ageClass);
    ApplyAverageLineage(record, kSkillPointsLineage);
    record.m_nProfession = profession;
    RaiseToProfessionMinimums(record);
    constexpr std::uint64_t kDraws = 8;
    for (std::uint64_t seed = 0; seed < kDraws; ++seed) {
        CharacterRecord drawn = record;
        Dice dice(seed);
        RandomInteraction ui(dice, {});
        SetRaceNativeSkills(drawn, ui);
        AddCultureNativeSkills(drawn, dice, ui);
        RatingPlan plan(kRaceKessari, profession, drawn.m_aSkill, dice);
        if (plan.meetRequirements() && plan.cost() <= drawn.m_nSkillPoints) {
            return true;
        }
    }
    return false;
}

namespace {

// The choices of a request with an age class that the age class is sure to pay for.
std::vector<NpcPlan> surelyPaid(const NpcPlan& request, const std::vector<NpcPlan>& choices) {
    std::vector<NpcPlan> payable;
    for (const NpcPlan& choice : choices) {
        for (const std::int32_t culture : npcCultures(kRaceKessari)) {
            if ((!request.culture || culture == *request.culture) &&
                contains(fullProfessions(kRaceKessari, culture), *choice.profession) &&
                ageClassCanPay(culture, *choice.profession, *request.ageClass)) {
                payable.push_back(choice);
                break;
            }
        }
    }
    return payable;
}

} // namespace

std::vector<NpcPlan> payableChoices(const NpcPlan& request) {
    std::vector<NpcPlan> choices = professionChoices(request);
    if (!request.ageClass) {
        return choices;
    }
    std::vector<NpcPlan> payable = surelyPaid(request, choices);
    // With none, every choice is tried: a lucky draw may still pay.
    return payable.empty() ? choices : payable;
}

MadeNpc makeNpc(const NpcPlan& request, Dice& dice) {
    if (auto problem = requestProblem(request)) {
        return {std::nullopt, *problem};
    }
    std::string why;
    NpcPlan plan = drawPlan(request, dice);
    const int attempts = request.ageClass && surelyPaid(request, professionChoices(request)).empty()
                             ? kAttemptsOnLuck
                             : kAttempts;
    for (int attempt = 0; attempt < attempts; ++attempt) {
        CharacterRecord record;
        RandomInteraction ui(dice, plan);
        const GenerationEnd end = plan.ageClass ? RunFullGeneration(record, dice, ui)
                                                : RunQuickGeneration(record, dice, ui);
        const bool minimums =
            findProfessionMinimums(record.m_nRace, record.m_nProfession) == nullptr ||
            meetsMinimums(record.m_nRace, record.m_nProfession, record.m_aAdvantage);
        if (end == GenerationEnd::Completed && ui.skillsAccepted() && minimums) {
            record.m_strName = ui.name(record.m_strGender);
            return {std::move(record), {}};
        }
        why = !ui.why().empty()
                  ? ui.why()
                  : std::string(minimumsWarning(record.m_nRace, record.m_nProfession));
        // An older age class has more skill points to pay with; past the oldest, or with the age
        // class asked for, the request is drawn anew.
        const int oldest = static_cast<int>(kAgeClasses.size()) - 1;
        if (!request.ageClass && plan.ageClass && *plan.ageClass < oldest) {
            plan.ageClass = dice.uniform(*plan.ageClass + 1, oldest);
        } else {
            plan = drawPlan(request, dice);
        }
    }
    return {std::nullopt, "No character could be made as asked: " + why};
}

} // namespace orthavel
