// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/npc/NpcRequestDialog.h"

#include "core/interaction/Interaction.h"
#include "core/npc/NpcMaker.h"
#include "core/record/Names.h"

#include <algorithm>
#include <limits>

namespace orthavel {
namespace {

constexpr std::string_view kAny = "Any";
constexpr std::size_t kNameLength = 40;

std::string shownName(const std::optional<std::int32_t>& code,
                      std::string_view (*name)(std::int32_t)) {
    return code ? std::string(name(*code)) : std::string(kAny);
}

std::string_view cultureName(std::int32_t culture) {
    return kCultureNames.at(static_cast<std::size_t>(culture));
}
std::string_view professionName(std::int32_t profession) {
    return kProfessionNames.at(static_cast<std::size_t>(profession));
}

// "Any", then every name of a list, each once.
template <typename Names> std::vector<std::string> anyAnd(const Names& names) {
    std::vector<std::string> items{std::string(kAny)};
    for (const auto& name : names) {
        if (std::find(items.begin(), items.end(), name) == items.end()) {
            items.emplace_back(name);
        }
    }
    return items;
}

} // namespace

FormDialog npcRequestDialog(const NpcOrder& shown) {
    FormDialog dialog;
    dialog.title = std::string(kNpcDialogTitle);
    dialog.texts = {"A character that obeys the rules, every choice left open made at random."};
    std::vector<std::string> ages{std::string(kAny)};
    for (std::int32_t a = 0; !ageClassName(a).empty(); ++a) {
        ages.emplace_back(ageClassName(a));
    }
    const NpcPlan& r = shown.request;
    dialog.fields = {
        keyed(FieldKey::NpcRace, dropDownField("Race:", kNameLength, {"Any", "Kessari", "Neuonian"},
                                               shownName(r.race, raceName))),
        keyed(FieldKey::NpcCulture,
              dropDownField("House or City-State:", kNameLength, anyAnd(kCultureNames),
                            shownName(r.culture, cultureName))),
        keyed(FieldKey::NpcProfession,
              dropDownField("Profession:", kNameLength, anyAnd(kProfessionNames),
                            shownName(r.profession, professionName))),
        keyed(FieldKey::NpcAgeClass,
              dropDownField("Age Class:", kNameLength, ages, shownName(r.ageClass, ageClassName))),
        keyed(FieldKey::NpcSeed,
              numberField("Seed:", shown.seed, 0, std::numeric_limits<std::int32_t>::max())),
    };
    dialog.notes = {"The same seed makes the same character."};
    dialog.cancelButton = true;
    return dialog;
}

std::variant<NpcOrder, Message> readNpcOrder(const FormEntry& entry) {
    NpcOrder order;
    const auto read = [&](FieldKey key, auto named, std::optional<std::int32_t>& into,
                          std::string_view what) -> std::optional<Message> {
        const std::string text = entry.text(*entry.findField(key));
        if (text.empty() || text == kAny) {
            return std::nullopt;
        }
        into = named(text);
        if (!into) {
            return Message{std::string(kNpcDialogTitle),
                           "No " + std::string(what) + " is called \"" + text + "\".", true};
        }
        return std::nullopt;
    };
    // The profession last: a name two Houses share means the one the rest allows.
    const auto profession = [&](std::string_view text) {
        return professionNamed(text, order.request);
    };
    for (auto problem :
         {read(FieldKey::NpcRace, raceNamed, order.request.race, "race"),
          read(FieldKey::NpcCulture, cultureNamed, order.request.culture, "House or city-state"),
          read(FieldKey::NpcAgeClass, ageClassNamed, order.request.ageClass, "age class"),
          read(FieldKey::NpcProfession, profession, order.request.profession,
               "job or profession")}) {
        if (problem) {
            return *problem;
        }
    }
    if (auto problem = requestProblem(order.request)) {
        return Message{std::string(kNpcDialogTitle), *problem, true};
    }
    order.seed = entry.number(*entry.findField(FieldKey::NpcSeed));
    return order;
}

std::optional<NpcOrder> askNpcOrder(Interaction& ui, NpcOrder shown) {
    FormDialog form = npcRequestDialog(shown);
    for (;;) {
        FormEntry entry(form);
        if (!ui.runForm(entry)) {
            return std::nullopt;
        }
        auto read = readNpcOrder(entry);
        if (auto* order = std::get_if<NpcOrder>(&read)) {
            return *order;
        }
        ui.showMessage(std::get<Message>(read));
        // Shown again as it was filled in, for the player to mend.
        for (std::size_t i = 0; i < form.fields.size(); ++i) {
            form.fields[i].initial = entry.text(i);
        }
    }
}

} // namespace orthavel
