// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/generation/OriginDialogs.h"

#include "core/interaction/Interaction.h"
#include "core/record/Names.h"

#include <algorithm>

namespace orthavel {
namespace {

constexpr bool houseRowsAgreeWithNames() {
    for (const HouseRow& row : kHouseRows) {
        const std::string_view culture = kCultureNames.at(static_cast<std::size_t>(row.culture));
        const std::string_view job = kProfessionNames.at(static_cast<std::size_t>(row.profession));
        if (!row.caption.starts_with(culture) || row.caption.find(job) == std::string_view::npos) {
            return false;
        }
    }
    return true;
}
static_assert(houseRowsAgreeWithNames(),
              "each House's caption starts with its culture's name and names its entry job");
static_assert(std::count_if(kHouseRows.begin(), kHouseRows.end(),
                            [](const HouseRow& row) { return row.female; }) == 1 &&
                  kHouseRows[6].female && kHouseRows[6].culture == culture::kRaidir,
              "only the Raidir button sets the gender");
static_assert(std::all_of(kCityStateRows.begin(), kCityStateRows.end(),
                          [](const CityStateRow& row) {
                              return captionReads(
                                  row.caption,
                                  kCultureNames.at(static_cast<std::size_t>(row.culture)));
                          }),
              "each city-state's caption is its culture's name");

constexpr bool everyCultureHasItsDialog() {
    for (std::size_t code = 0; code < kCultureNames.size(); ++code) {
        const auto is = [&](auto row) { return static_cast<std::size_t>(row.culture) == code; };
        if (std::none_of(kHouseRows.begin(), kHouseRows.end(), is) &&
            std::none_of(kCityStateRows.begin(), kCityStateRows.end(), is)) {
            return false;
        }
    }
    return true;
}
static_assert(everyCultureHasItsDialog(),
              "every culture comes from the House or city-state dialog");

// The House dialog's result: the row of the last radio button clicked, and a bit that the
// Raidir button sets and no later click clears.
constexpr int kFemaleBit = 0x100;

std::vector<std::string> pathwayTexts() {
    return {"Givers take the path of kindness and compassion.",
            "Takers take the path of selfishness and greed.", "Choose your character's pathway:"};
}

constexpr std::size_t kNameLength = 30;

Culture cultureOf(std::int32_t code) {
    return {code, std::string(kCultureNames.at(static_cast<std::size_t>(code)))};
}

} // namespace

void Culture::storeIn(CharacterRecord& record) const {
    record.m_nCulture = code;
    record.m_strCulture = name;
}

void HouseChoice::storeIn(CharacterRecord& record) const {
    culture.storeIn(record);
    record.m_nProfession = profession;
    record.m_strProfession = professionName;
    record.m_strGender = gender;
}

void NameAttitude::storeIn(CharacterRecord& record) const {
    record.m_strName = name;
    record.m_strPlayedBy = playedBy;
    record.m_strAttitude = attitude;
}

ChoiceDialog raceDialog() {
    ChoiceDialog dialog;
    dialog.key = DialogKey::Race;
    dialog.title = kRaceDialogTitle;
    dialog.columns = {{{"&Kessari", 0}}, {{"&Neuonian", 1}}};
    dialog.columns[0][0].picture = DialogPicture::KessariRace;
    dialog.columns[1][0].picture = DialogPicture::NeuonianRace;
    return dialog;
}

std::optional<std::int32_t> runRaceDialog(Interaction& ui) {
    return ui.runChoice(raceDialog());
}

ChoiceDialog cityStateDialog() {
    ChoiceDialog dialog;
    dialog.key = DialogKey::CityState;
    dialog.title = kCityStateDialogTitle;
    dialog.columns.resize(1);
    for (const CityStateRow& row : kCityStateRows) {
        dialog.columns[0].emplace_back(std::string(row.caption), row.culture);
    }
    return dialog;
}

std::optional<Culture> runCityStateDialog(Interaction& ui) {
    if (const auto code = ui.runChoice(cityStateDialog())) {
        return cultureOf(*code);
    }
    return std::nullopt;
}

ChoiceDialog houseDialog() {
    ChoiceDialog dialog;
    dialog.key = DialogKey::House;
    dialog.title = kHouseDialogTitle;
    dialog.texts = {"All starting characters are metamorphoun Kessari, choose a House:"};
    dialog.style = ChoiceStyle::RadioThenOk;
    dialog.keptBits = kFemaleBit;
    dialog.columns.resize(1);
    for (std::size_t i = 0; i < kHouseRows.size(); ++i) {
        const int result = static_cast<int>(i) | (kHouseRows[i].female ? kFemaleBit : 0);
        dialog.columns[0].emplace_back(std::string(kHouseRows[i].caption), result);
    }
    return dialog;
}

std::optional<HouseChoice> runHouseDialog(Interaction& ui) {
    const auto result = ui.runChoice(houseDialog());
    if (!result) {
        return std::nullopt;
    }
    const HouseRow& row = kHouseRows.at(static_cast<std::size_t>(*result & ~kFemaleBit));
    return HouseChoice{cultureOf(row.culture), row.profession,
                       std::string(kProfessionNames.at(static_cast<std::size_t>(row.profession))),
                       (*result & kFemaleBit) != 0 ? "Female" : "Male"};
}

ChoiceDialog genderDialog() {
    return buttonColumn(std::string(kGenderDialogTitle), {}, {"&Male", "&Female"});
}

std::optional<std::string> runGenderDialog(Interaction& ui) {
    return runForCaption(ui, genderDialog());
}

ChoiceDialog startingPathwayDialog() {
    return buttonColumn(std::string(kStartingPathwayDialogTitle), pathwayTexts(),
                        {"&Neutral Taker", "&Assertive Giver"});
}

std::optional<std::string> runStartingPathwayDialog(Interaction& ui) {
    return runForCaption(ui, startingPathwayDialog());
}

ChoiceDialog pathwayDialog() {
    return buttonColumn(std::string(kPathwayDialogTitle), pathwayTexts(),
                        {"&True Giver", "&Confident Giver", "&Assertive Giver", "&Neutral Taker",
                         "&Manipulative Taker", "C&omplete Taker"});
}

std::optional<std::string> runPathwayDialog(Interaction& ui) {
    return runForCaption(ui, pathwayDialog());
}

FormDialog nameAttitudeDialog() {
    FormDialog dialog;
    dialog.title = kNameAttitudeDialogTitle;
    dialog.fields = {keyed(FieldKey::CharacterName, textField("Character Name:", kNameLength)),
                     keyed(FieldKey::PlayedBy, textField("Played By:", kNameLength)),
                     keyed(FieldKey::Attitude, textField("Attitude:", kNameLength, "Adventurous"))};
    dialog.cancelButton = true;
    return dialog;
}

std::optional<NameAttitude> runNameAttitudeDialog(Interaction& ui) {
    FormEntry form(nameAttitudeDialog());
    if (!ui.runForm(form)) {
        return std::nullopt;
    }
    return NameAttitude{form.value(0), form.value(1), form.value(2)};
}

} // namespace orthavel
