// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "script/ScriptedInteraction.h"

#include "core/advantages/AdvantageAssignment.h"
#include "core/interaction/ChoiceDialog.h"
#include "core/interaction/FormDialog.h"
#include "core/skills/EmphasisDisplay.h"
#include "core/skills/SkillRoll.h"
#include "core/skills/SkillSelection.h"
#include "script/ScriptFormat.h"

#include <algorithm>
#include <string_view>

namespace orthavel {

using nlohmann::json;
using nlohmann::ordered_json;

ScriptedInteraction::ScriptedInteraction(json script, std::ostream& transcript)
    : m_script(std::move(script)), m_transcript(transcript) {
    if (!m_script.is_array()) {
        m_script = json::array();
    }
}

void ScriptedInteraction::write(const ordered_json& event) {
    m_transcript << event.dump(-1, ' ', false, json::error_handler_t::replace) << '\n';
}

void ScriptedInteraction::showMessage(const Message& message) {
    write({{"event", "message"}, {"caption", message.caption}, {"text", message.text}});
}

namespace {

// Calls each(action) for the actions of an answer in the order they apply, until it answers
// false: its steps (walked where they stand, never copied), or its fields, radio choice and final
// click or cancel.
template <typename Each> void forEachAction(const json& answer, Each&& each) {
    if (answer.contains("steps")) {
        if (answer.at("steps").is_array()) {
            for (const auto& action : answer.at("steps")) {
                if (!each(action)) {
                    return;
                }
            }
        }
        return;
    }
    for (const char* key : {"fields", "radio", "click", "cancel"}) {
        if (answer.contains(key) && !each(json{{key, answer.at(key)}})) {
            return;
        }
    }
}

std::string textOf(const json& value) {
    if (value.is_string()) {
        return value.get<std::string>();
    }
    return value.dump();
}

} // namespace

bool ScriptedInteraction::runDialog(const std::string& title, const ordered_json& inputs,
                                    const ActionHandler& apply,
                                    const std::function<void(ordered_json&)>& accepted) {
    write({{"event", "dialog"}, {"title", title}, {"inputs", inputs}});
    Outcome outcome = Outcome::Cancelled;
    if (m_next < m_script.size()) {
        const json& answer = m_script[m_next++];
        const std::string expected =
            answer.is_object() && answer.contains("title") ? textOf(answer.at("title")) : "";
        if (expected != title) {
            throw ScriptMismatch("the script expected the dialog \"" + shownText(expected) +
                                 "\" but the program showed \"" + title + "\"");
        }
        outcome = Outcome::Open;
        forEachAction(answer, [&](const json& action) {
            if (!action.is_object()) {
                return true;
            }
            outcome = action.contains("cancel") ? Outcome::Cancelled : apply(action);
            return outcome == Outcome::Open;
        });
        if (outcome == Outcome::Open) {
            outcome = Outcome::Cancelled;
        }
    }
    ordered_json closed{{"event", "closed"}, {"title", title}, {"accepted", false}};
    if (outcome == Outcome::Accepted) {
        closed["accepted"] = true;
        if (accepted) {
            accepted(closed);
        }
    }
    write(closed);
    return outcome == Outcome::Accepted;
}

ScriptMismatch ScriptedInteraction::noSuchButton(const std::string& title,
                                                 const std::string& caption) {
    return ScriptMismatch("the dialog \"" + title + "\" has no button \"" + shownText(caption) +
                          "\"");
}

ScriptedInteraction::Outcome ScriptedInteraction::click(const std::string& title,
                                                        const json& action,
                                                        std::span<const Button> buttons) {
    const std::string caption = action.contains("click") ? textOf(action.at("click")) : "";
    for (const Button& button : buttons) {
        if (button.caption == caption) {
            return button.press();
        }
    }
    throw noSuchButton(title, caption);
}

ScriptedInteraction::Outcome ScriptedInteraction::confirmed(const std::optional<Message>& refusal) {
    if (refusal) {
        showMessage(*refusal);
        return Outcome::Open;
    }
    return Outcome::Accepted;
}

namespace {

ordered_json inputsOf(const std::vector<DialogInput>& given) {
    ordered_json inputs = ordered_json::object();
    for (const auto& input : given) {
        std::visit([&](const auto& value) { inputs[input.name] = value; }, input.value);
    }
    return inputs;
}

} // namespace

std::optional<int> ScriptedInteraction::runChoice(const ChoiceDialog& dialog) {
    const bool radios = dialog.style == ChoiceStyle::RadioThenOk;
    ChoiceEntry entry(dialog);
    runDialog(dialog.title, inputsOf(dialog.inputs), [&](const json& action) {
        // Clicking a radio button selects it, as "radio" does.
        const char* key = action.contains("radio") ? "radio" : "click";
        if (!action.contains(key) || (!radios && action.contains("radio"))) {
            throw ScriptMismatch("the dialog \"" + dialog.title + "\" has only " +
                                 (radios ? "radio buttons and OK" : "buttons to click"));
        }
        const std::string caption = textOf(action.at(key));
        std::optional<Message> refused;
        if (radios && caption == kOkCaption) {
            refused = entry.confirm();
        } else if (const ChoiceButton* button = dialog.findButton(caption)) {
            refused = entry.click(*button);
        } else {
            throw noSuchButton(dialog.title, caption);
        }
        if (refused) {
            showMessage(*refused);
        }
        return entry.open() ? Outcome::Open
                            : (entry.result() ? Outcome::Accepted : Outcome::Cancelled);
    });
    return entry.result();
}

namespace {

// The object an "arrow" or "type" step names, with the member that says which box.
const json& boxStep(const json& action, const char* step, const char* key,
                    const std::string& title) {
    const json& body = action.at(step);
    if (!body.is_object() || !body.contains(key)) {
        throw ScriptMismatch("a \"" + std::string(step) + "\" step of the dialog \"" + title +
                             "\" must name its " + key);
    }
    return body;
}

// How many arrow clicks a step asks for, and in which direction (one up when it does not say).
// parseScript has checked that it is a whole number within kMaxArrowClicks.
int arrowDelta(const json& body) {
    if (!body.contains("delta") || !body.at("delta").is_number_integer()) {
        return 1;
    }
    const auto delta = body.at("delta").get<std::int64_t>();
    return static_cast<int>(std::clamp<std::int64_t>(delta, -kMaxArrowClicks, kMaxArrowClicks));
}

} // namespace

bool ScriptedInteraction::runAdvantageAssignment(AdvantageAssignment& model) {
    const std::string title(AdvantageAssignment::kTitle);
    const ordered_json inputs{{"race", model.race()},
                              {"updateMode", model.updateMode()},
                              {"profession", model.profession()},
                              {"levels", model.levels()},
                              {"skillPoints", model.skillPoints()},
                              {"advantagePoints", model.advantagePoints()}};
    const auto advantageOf = [&](const json& body) {
        const std::string label = textOf(body.at("advantage"));
        const std::optional<Advantage> advantage = advantageByLabel(label);
        if (!advantage) {
            throw ScriptMismatch("the dialog \"" + title + "\" has no advantage \"" +
                                 shownText(label) + "\"");
        }
        return *advantage;
    };
    return runDialog(title, inputs, [&](const json& action) {
        if (action.contains("arrow")) {
            const json& body = boxStep(action, "arrow", "advantage", title);
            const Advantage advantage = advantageOf(body);
            model.clickArrows(advantage, arrowDelta(body));
            return Outcome::Open;
        }
        if (action.contains("type")) {
            const json& body = boxStep(action, "type", "advantage", title);
            model.typeLevel(advantageOf(body),
                            body.contains("value") ? textOf(body.at("value")) : std::string());
            return Outcome::Open;
        }
        const Button buttons[] = {
            {AdvantageAssignment::kToSkillPointsButton,
             staysOpen([&] { model.advantagesToSkillPoints(); })},
            {AdvantageAssignment::kToAdvantagesButton,
             staysOpen([&] { model.skillPointsToAdvantages(); })},
            {AdvantageAssignment::kOkButton, [&] { return confirmed(model.confirm()); }}};
        return click(title, action, buttons);
    });
}

bool ScriptedInteraction::runSkillSelection(SkillSelection& model) {
    const std::string title(SkillSelection::kTitle);
    const ordered_json inputs{{"race", model.race()},
                              {"profession", model.profession()},
                              {"skillPoints", model.skillPoints()},
                              {"experience", model.experience()}};
    const auto categoryOfStep = [&](const json& body) {
        const std::string label = textOf(body.at("category"));
        for (int c = 0; c < kSkillCategoryCount; ++c) {
            const std::string_view shown = kSkillCategories[static_cast<std::size_t>(c)].label;
            // The label with its colon, or without it.
            if (label == shown || label == shown.substr(0, shown.size() - 1)) {
                return static_cast<SkillCategory>(c);
            }
        }
        throw ScriptMismatch("the dialog \"" + title + "\" has no category \"" + shownText(label) +
                             "\"");
    };
    return runDialog(title, inputs, [&](const json& action) {
        if (action.contains("choose")) {
            const json& body = boxStep(action, "choose", "category", title);
            const SkillCategory category = categoryOfStep(body);
            const std::string entry = body.contains("entry") ? textOf(body.at("entry")) : "";
            if (!model.chooseEntry(category, entry)) {
                throw ScriptMismatch("the list \"" + std::string(categoryLabel(category)) +
                                     "\" has no entry \"" + shownText(entry) + "\"");
            }
            return Outcome::Open;
        }
        if (action.contains("arrow")) {
            const json& body = boxStep(action, "arrow", "category", title);
            const SkillCategory category = categoryOfStep(body);
            model.clickArrows(category, arrowDelta(body));
            return Outcome::Open;
        }
        if (action.contains("type")) {
            const json& body = boxStep(action, "type", "category", title);
            model.typeBoxValue(categoryOfStep(body),
                               body.contains("value") ? textOf(body.at("value")) : std::string());
            return Outcome::Open;
        }
        const Button buttons[] = {
            {SkillSelection::kEmphasisButton, staysOpen([&] {
                 showEmphasisDisplay(layoutEmphasisDisplay(model.race(), model.showEmphasis()));
             })},
            {SkillSelection::kOkButton, [&] { return confirmed(model.confirm()); }}};
        return click(title, action, buttons);
    });
}

bool ScriptedInteraction::runForm(FormEntry& form) {
    const FormDialog& dialog = form.dialog();
    const auto fieldLabelled = [&](const std::string& label) {
        const auto field = form.findField(label);
        if (!field) {
            throw ScriptMismatch("the dialog \"" + dialog.title + "\" has no field \"" +
                                 shownText(label) + "\"");
        }
        return *field;
    };
    // A "type" or "arrow" step names its field, which a form of one field may leave out.
    const auto fieldOfStep = [&](const json& body) {
        if (body.is_object() && body.contains("field")) {
            return fieldLabelled(textOf(body.at("field")));
        }
        if (form.fieldCount() != 1) {
            throw ScriptMismatch("a step of the dialog \"" + dialog.title +
                                 "\" must name its field");
        }
        return std::size_t{0};
    };
    return runDialog(dialog.title, inputsOf(dialog.inputs), [&](const json& action) {
        if (action.contains("fields") && action.at("fields").is_object()) {
            // Each field is typed into and left; the fields are independent of each other.
            for (const auto& [label, value] : action.at("fields").items()) {
                const std::size_t field = fieldLabelled(label);
                form.type(field, textOf(value));
                form.leave(field);
            }
            return Outcome::Open;
        }
        if (action.contains("type")) {
            const json& body = action.at("type");
            const std::size_t field = fieldOfStep(body);
            form.type(field, body.contains("value") ? textOf(body.at("value")) : std::string());
            return Outcome::Open;
        }
        if (action.contains("arrow")) {
            const json& body = action.at("arrow");
            form.clickArrows(fieldOfStep(body), arrowDelta(body));
            return Outcome::Open;
        }
        const auto ok = [&] {
            const auto refused = form.confirm();
            return confirmed(refused ? std::optional(refused->message) : std::nullopt);
        };
        const Button buttons[] = {{kOkCaption, ok},
                                  {kCancelCaption, [] { return Outcome::Cancelled; }}};
        return click(dialog.title, action, std::span(buttons).first(dialog.cancelButton ? 2 : 1));
    });
}

bool ScriptedInteraction::runSkillRoll(SkillRoll& model) {
    const std::string title(SkillRoll::kTitle);
    ordered_json inputs = ordered_json::object();
    if (model.given()) {
        inputs["skill"] = model.chosen()->name;
    }
    const auto describe = [&](ordered_json& closed) {
        const SkillRoll::RatedSkill& chosen = *model.chosen();
        closed["skill"] = chosen.name;
        closed["rating"] = chosen.rating;
        closed["difficulty"] = model.difficulty();
        closed["baseNumber"] = *model.baseNumber();
    };
    return runDialog(
        title, inputs,
        [&](const json& action) {
            if (action.contains("fields") && action.at("fields").is_object()) {
                for (const auto& [label, value] : action.at("fields").items()) {
                    const std::string typed = textOf(value);
                    if (label == SkillRoll::kFilterLabel) {
                        model.setFilter(typed);
                        model.choose(typed);
                    } else if (label == SkillRoll::kDifficultyLabel) {
                        model.typeDifficulty(typed);
                    } else {
                        throw ScriptMismatch("the dialog \"" + title + "\" has no field \"" +
                                             shownText(label) + "\"");
                    }
                }
                return Outcome::Open;
            }
            const Button buttons[] = {{kOkCaption, [&] { return confirmed(model.confirm()); }},
                                      {kCancelCaption, [] { return Outcome::Cancelled; }}};
            return click(title, action, buttons);
        },
        describe);
}

void ScriptedInteraction::showEmphasisDisplay(const EmphasisDisplay& display) {
    const std::string title(EmphasisDisplay::kTitle);
    write({{"event", "dialog"},
           {"title", title},
           {"inputs",
            {{"race", display.race},
             {"emphases", display.levels.emphases},
             {"masteries", display.levels.masteries}}}});
    write({{"event", "closed"}, {"title", title}, {"accepted", true}});
}

SaveAnswer ScriptedInteraction::askSaveChanges(std::string_view /*documentName*/) {
    // A script saves explicitly with -o; nothing else is written behind its back.
    return SaveAnswer::Discard;
}

void ScriptedInteraction::writeDone(std::int32_t page, bool modified,
                                    const std::filesystem::path& fileName) {
    write({{"event", "done"},
           {"page", page},
           {"modified", modified},
           {"fileName", fileName.string()}});
}

} // namespace orthavel
