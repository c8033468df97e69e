// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/dice/RocRoll.h"

#include "core/dice/Dice.h"
#include "core/dice/RollLog.h"
#include "core/dice/RollPercentile.h"
#include "core/interaction/Interaction.h"
#include "core/record/Format.h"
#include "core/record/Wrapping.h"

#include <algorithm>

namespace orthavel {

namespace {

constexpr bool rowsDescend() {
    for (std::size_t i = 1; i < RocOutcomeTable.size(); ++i) {
        if (RocOutcomeTable[i - 1].lowest <= RocOutcomeTable[i].lowest) {
            return false;
        }
    }
    return true;
}
static_assert(rowsDescend(), "the chart's rows run from the highest total down");
static_assert(std::all_of(RocOutcomeTable.begin(), RocOutcomeTable.end(),
                          [](const RocOutcome& row) { return row.text.starts_with("%i"); }),
              "every row's text starts with the total");

} // namespace

NumberPrompt RocBaseNumberDialog() {
    // The field comes first; the explanation stands below it.
    return {"ROC ROLL Base Number",
            "Base Number:",
            {},
            0,
            -1000,
            1000,
            {"Input this actions base number, this number is based",
             "on the type of conflict.  (See The Tome for details).",
             "(Example: Character's skill rating - action's difficulty)"}};
}

std::string RocOutcomeText(std::int32_t total) {
    const auto row = std::find_if(RocOutcomeTable.begin(), RocOutcomeTable.end(),
                                  [total](const RocOutcome& r) { return total >= r.lowest; });
    return formatInts(row->text, {total});
}

void RunRocRoll(Dice& dice, Interaction& ui) {
    // A cancelled dialog is no refusal: the roll goes ahead on a base of 0.
    rollOnRoc(dice, ui, ui.askNumber(RocBaseNumberDialog()).value_or(0));
}

void rollOnRoc(Dice& dice, Interaction& ui, std::int32_t baseNumber, std::string_view about) {
    // A total of exactly 100 rolls again; the next roll lifts it past 100 for good. The base
    // number is any a file's rating makes: the sum wraps as record values do.
    Wrapping total = baseNumber;
    do {
        total = total + RollPercentile(dice, ui, std::string(kRocRollLabel));
    } while (total.value() == 100);
    const std::string outcome = RocOutcomeText(total.value());
    ui.showMessage({std::string(kRocCaption), outcome, false});
    if (RollLog* log = dice.log()) {
        log->setOutcome(about.empty() ? outcome : std::string(about) + ": " + outcome);
    }
    if (total.value() >= kRocEpBonusTotal) {
        ui.showMessage({std::string(kRocCaption), std::string(kRocEpBonusText), false});
    }
}

} // namespace orthavel
