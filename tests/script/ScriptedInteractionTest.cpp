// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "script/ScriptedInteraction.h"

#include "core/generation/CreationDialogs.h"
#include "core/interaction/ChoiceDialog.h"
#include "core/interaction/NumberPrompt.h"
#include "core/skills/SkillRoll.h"
#include "script/RecordJson.h"
#include "script/ScriptFormat.h"

#include <gtest/gtest.h>

#include <limits>
#include <sstream>

namespace orthavel {
namespace {

using nlohmann::json;

ChoiceDialog coinDialog() {
    ChoiceDialog d;
    d.title = "Coin";
    d.columns = {{{"&Heads", 1}, {"&Tails", 2}}};
    d.refusal = [](int result) {
        return result == 2 ? std::optional(Message{"Coin", "Not tails.", true}) : std::nullopt;
    };
    return d;
}

NumberPrompt agePrompt() {
    return {"Age", "Age:", {}, 0, 10, 20, {}};
}

// A refused click shows its message and the dialog stays for the next answer; a dialog still
// open when its answer (or the script) ends is cancelled.
TEST(ScriptedInteraction, ARefusedClickShowsItsMessageAndTheDialogStaysUntilTheAnswerEnds) {
    const std::string opened = R"({"event":"dialog","title":"Coin","inputs":{}})"
                               "\n";
    const std::string refused = R"({"event":"message","caption":"Coin","text":"Not tails."})"
                                "\n";
    const std::string accepted = R"({"event":"closed","title":"Coin","accepted":true})"
                                 "\n";
    const std::string cancelled = R"({"event":"closed","title":"Coin","accepted":false})"
                                  "\n";
    const struct {
        const char* script;
        std::optional<int> result;
        std::string transcript;
    } cases[] = {
        {R"([{"title":"Coin","steps":[{"click":"&Tails"},{"click":"&Heads"}]}])", 1,
         opened + refused + accepted},
        {R"([{"title":"Coin","steps":[{"click":"&Tails"}]}])", {}, opened + refused + cancelled},
        {R"([{"title":"Coin","cancel":true}])", {}, opened + cancelled},
        {R"([])", {}, opened + cancelled},
    };
    for (const auto& c : cases) {
        std::ostringstream out;
        ScriptedInteraction ui(json::parse(c.script), out);
        EXPECT_EQ(ui.runChoice(coinDialog()), c.result) << c.script;
        EXPECT_EQ(out.str(), c.transcript) << c.script;
    }
}

// A form worked step by step: a refused OK leaves the form open for the next step, an arrow
// starts from the value shown (radio buttons, buttons and fields by label: through the creation
// dialogs' tests, which answer through this interaction too).
TEST(ScriptedInteraction, FormStepsAnswerAsOnScreen) {
    std::ostringstream out;
    ScriptedInteraction ui(parseScript(R"([{"title":"Select Physical Traits","steps":[
        {"type":{"field":"Age:","value":"0"}},{"click":"OK"},
        {"arrow":{"field":"Age:","delta":3}},{"click":"OK"}]}])"),
                           out);
    const auto traits = runPhysicalTraitsDialog(ui, 30, 21, 300);
    ASSERT_TRUE(traits);
    EXPECT_EQ(traits->age, 21);
    EXPECT_EQ(
        out.str(),
        R"({"event":"dialog","title":"Select Physical Traits","inputs":{"age":30,"minAge":21,"maxAge":300}}
{"event":"message","caption":"Orthavel","text":"Please enter an integer between 1 and 2000."}
{"event":"closed","title":"Select Physical Traits","accepted":true}
)");
}

// A skill typed whole is the one rolled against, though one holding its name comes first.
TEST(ScriptedInteraction, ASkillTypedWholeIsTheOneChosen) {
    CharacterRecord record;
    record.m_aSkill[27] = 30; // Kessari Literacy
    record.m_aSkill[133] = 40;
    SkillRoll model(record);
    std::ostringstream out;
    ScriptedInteraction ui(
        parseScript(
            R"([{"title":"Roll Against Skill","fields":{"Skill:":"literacy"},"click":"OK"}])"),
        out);
    ASSERT_TRUE(ui.runSkillRoll(model));
    EXPECT_EQ(model.chosen()->name, "Literacy");
}

// A choice, a number and a form, each given the answer of another dialog.
TEST(ScriptedInteraction, AnswersForAnotherDialogAreAMismatch) {
    const auto choice = [](ScriptedInteraction& ui) { (void)ui.runChoice(coinDialog()); };
    const auto number = [](ScriptedInteraction& ui) { (void)ui.askNumber(agePrompt()); };
    const auto form = [](ScriptedInteraction& ui) {
        (void)runPhysicalTraitsDialog(ui, 21, 21, 300);
    };
    const std::pair<const char*, void (*)(ScriptedInteraction&)> cases[] = {
        {R"([{"click":"&Heads"}])", choice},
        {R"([{"title":"Coin","click":"&Edge"}])", choice},
        {R"([{"title":"Age","fields":{"Years:":"3"}}])", number},
        {R"([{"title":"Select Physical Traits","click":"Cancel"}])", form},
        {R"([{"title":"Select Physical Traits","radio":"OK"}])", form},
        {R"([{"title":"Select Physical Traits","steps":[{"type":{"value":"x"}}]}])", form},
    };
    for (const auto& [script, ask] : cases) {
        std::ostringstream out;
        ScriptedInteraction ui(json::parse(script), out);
        EXPECT_THROW(ask(ui), ScriptMismatch) << script;
    }
}

// A refused script is named by what is wrong and where: a line and a column, or the answer and
// step.
TEST(ScriptedInteraction, RefusedScriptsSayWhereTheyAreWrong) {
    // Lists nested depth deep in all, after a text that holds brackets.
    const auto nested = [](std::size_t depth) {
        return "[\"[\\\"\"," + std::string(depth - 1, '[') + std::string(depth, ']');
    };
    const std::pair<std::string, std::string> cases[] = {
        {nested(64), "answer 1 must be an object"},
        {nested(65), "the script is nested too deeply"},
        {"{}", "the script must be a JSON array of answers"},
        {"[1,\n 2 3]", "the script is not valid JSON (line 2, column 4)"},
        {R"([{"title":"T","steps":[{"arrow":5}]}])", "answer 1, step 1: arrow must be an object"},
        {R"([{"title":"T","fields":{"Character Name:":"Ysolde\u0001"}}])",
         "answer 1: the field \"Character Name:\" must not hold control characters"},
        {R"([{"title":"T"},{"title":"U","steps":[{"type":{"field":"Age:","value":"\u0000"}}]}])",
         "answer 2, step 1: type value must not hold control characters"},
        {R"([{"title":"T","fields":{"Hair Color:":"Red\u0085"}}])",
         "answer 1: the field \"Hair Color:\" must not hold control characters"},
    };
    for (const auto& [script, problem] : cases) {
        try {
            parseScript(script);
            ADD_FAILURE() << script << " was accepted";
        } catch (const std::runtime_error& e) {
            EXPECT_EQ(e.what(), problem) << script;
        }
    }
    EXPECT_NO_THROW(parseScript(R"([{"title":"T","fields":{"Name:":"Tab\u00e9 \u20ac"}}])"));
}

// The sample characters' dumps show the rest of the format.
TEST(RecordJson, TextsAreUnicodeAndNotANumberIsNull) {
    CharacterRecord r;
    r.m_strName = "Ren\xE9 \x80";
    r.m_fMoveRateAdj = std::numeric_limits<float>::quiet_NaN();
    const std::string dump = dumpRecordJson(r);
    EXPECT_FALSE(json::parse(dump, nullptr, false).is_discarded()) << dump;
    EXPECT_NE(dump.find("\"m_fMoveRateAdj\": null,"), std::string::npos);
    EXPECT_NE(dump.find("\"m_strName\": \"Ren\xC3\xA9 \xE2\x82\xAC\","), std::string::npos);
}

} // namespace
} // namespace orthavel
