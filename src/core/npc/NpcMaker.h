// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/npc/RandomInteraction.h"
#include "core/record/CharacterRecord.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orthavel {

class Dice;

// What the generation flows can make: the cultures of a race (its Houses or city-states), and the
// jobs and professions a culture offers, through Quick PC (its starting careers) and through Full
// Generation (every job and profession of a House).
std::vector<std::int32_t> npcCultures(std::int32_t race);
std::vector<std::int32_t> quickProfessions(std::int32_t race, std::int32_t culture);
std::vector<std::int32_t> fullProfessions(std::int32_t race, std::int32_t culture);

// Reads a race, culture, profession or age class as a person names it: its code, or its name
// without regard to case ("neuonian", "Balentin", "Medic", "Young Adult").
std::optional<std::int32_t> raceNamed(std::string_view text);
std::optional<std::int32_t> cultureNamed(std::string_view text);
std::optional<std::int32_t> professionNamed(std::string_view text);
// A name some professions share ("Temple Guard" of Feznoth and of Rosenthal) means the one the
// rest of the request allows.
std::optional<std::int32_t> professionNamed(std::string_view text, const NpcPlan& request);
std::optional<std::int32_t> ageClassNamed(std::string_view text);
std::string_view ageClassName(std::int32_t ageClass);

// Why no character can answer the request (a House of the other race, a profession its culture
// does not offer, an age class for a Neuonian); nothing when some can.
std::optional<std::string> requestProblem(const NpcPlan& request);

// Every race and profession a request leaves open, as requests with both set: dealt in a
// shuffled order, they make a batch of every profession.
std::vector<NpcPlan> professionChoices(const NpcPlan& request);

// Whether a Kessari of the House and profession made at the age class has the skill points its
// mastery requirements cost, once its minimum advantages are paid for and its native skills
// rated (in one of a few draws of them: a character's own draws may give it a little more or
// less).
bool ageClassCanPay(std::int32_t culture, std::int32_t profession, std::int32_t ageClass);

// The choices of professionChoices that the request's age class can pay for (all of them without
// an age class); every choice when it can pay for none.
std::vector<NpcPlan> payableChoices(const NpcPlan& request);

struct MadeNpc {
    std::optional<CharacterRecord> record; // unnamed, on sheet page 1
    std::string why;                       // when none could be made
};

// Makes one random character that obeys the rules, by the real generation flows: Quick PC for a
// starting career, Full Generation (at an age class) otherwise, every dialog answered at random
// within the request. A draw whose character cannot meet its profession's requirements is drawn
// again, a few times; then the answer says why none could be made.
MadeNpc makeNpc(const NpcPlan& request, Dice& dice);

} // namespace orthavel
