#include "script/ScriptedInteraction.h"

#include "core/advantages/AdvantageAssignment.h"
#include "core/dialogs/ChoiceDialog.h"
#include "core/dialogs/NumberPrompt.h"
#include "core/document/CQuorvelDoc.h"
#include "core/skills/EmphasisDisplay.h"
#include "core/skills/SkillSelection.h"

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

// The actions of an answer in the order they apply: its steps, or its fields, radio choice and
// final click or cancel.
json actionsOf(const json& answer) {
    if (answer.contains("steps")) {
        return answer.at("steps").is_array() ? answer.at("steps") : json::array();
    }
    json actions = json::array();
    for (const char* key : {"fields", "radio", "click", "cancel"}) {
        if (answer.contains(key)) {
            actions.push_back(json{{key, answer.at(key)}});
        }
    }
    return actions;
}

std::string textOf(const json& value) {
    if (value.is_string()) {
        return value.get<std::string>();
    }
    return value.dump();
}

} // namespace

bool ScriptedInteraction::runDialog(const std::string& title, const ordered_json& inputs,
                                    const ActionHandler& apply) {
    write({{"event", "dialog"}, {"title", title}, {"inputs", inputs}});
    Outcome outcome = Outcome::Cancelled;
    if (m_next < m_script.size()) {
        const json& answer = m_script[m_next++];
        const std::string expected =
            answer.is_object() && answer.contains("title") ? textOf(answer.at("title")) : "";
        if (expected != title) {
            throw ScriptMismatch("the script expected the dialog \"" + expected +
                                 "\" but the program showed \"" + title + "\"");
        }
        outcome = Outcome::Open;
        for (const auto& action : actionsOf(answer)) {
            if (!action.is_object()) {
                continue;
            }
            outcome = action.contains("cancel") ? Outcome::Cancelled : apply(action);
            if (outcome != Outcome::Open) {
                break;
            }
        }
        if (outcome == Outcome::Open) {
            outcome = Outcome::Cancelled;
        }
    }
    const bool accepted = outcome == Outcome::Accepted;
    write({{"event", "closed"}, {"title", title}, {"accepted", accepted}});
    return accepted;
}

std::optional<int> ScriptedInteraction::runChoice(const ChoiceDialog& dialog) {
    ordered_json inputs = ordered_json::object();
    for (const auto& input : dialog.inputs) {
        std::visit([&](const auto& value) { inputs[input.name] = value; }, input.value);
    }
    std::optional<int> result;
    runDialog(dialog.title, inputs, [&](const json& action) {
        if (!action.contains("click")) {
            throw ScriptMismatch("the dialog \"" + dialog.title + "\" has only buttons to click");
        }
        const std::string caption = textOf(action.at("click"));
        const ChoiceButton* button = dialog.findButton(caption);
        if (button == nullptr) {
            throw ScriptMismatch("the dialog \"" + dialog.title + "\" has no button \"" + caption +
                                 "\"");
        }
        if (dialog.refusal) {
            if (auto refused = dialog.refusal(button->result)) {
                showMessage(*refused);
                return Outcome::Open;
            }
        }
        result = button->result;
        return Outcome::Accepted;
    });
    return result;
}

std::optional<std::int32_t> ScriptedInteraction::askNumber(const NumberPrompt& prompt) {
    std::string typed = std::to_string(prompt.initial);
    std::optional<std::int32_t> result;
    runDialog(prompt.title, ordered_json::object(), [&](const json& action) {
        if (action.contains("fields") && action.at("fields").is_object()) {
            for (const auto& [label, value] : action.at("fields").items()) {
                if (label != prompt.label) {
                    throw ScriptMismatch("the dialog \"" + prompt.title + "\" has no field \"" +
                                         label + "\"");
                }
                typed = textOf(value);
            }
            return Outcome::Open;
        }
        if (action.contains("type") && action.at("type").is_object() &&
            action.at("type").contains("value")) {
            typed = textOf(action.at("type").at("value"));
            return Outcome::Open;
        }
        if (action.contains("click") && textOf(action.at("click")) == "OK") {
            auto entry = acceptNumberEntry(prompt, typed);
            if (const auto* refused = std::get_if<Message>(&entry)) {
                showMessage(*refused);
                return Outcome::Open;
            }
            result = std::get<std::int32_t>(entry);
            return Outcome::Accepted;
        }
        throw ScriptMismatch("the dialog \"" + prompt.title + "\" has one field and OK");
    });
    return result;
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

// How many arrow clicks a step asks for, and in which direction.
int arrowDelta(const json& body) {
    if (!body.contains("delta") || !body.at("delta").is_number_integer()) {
        return 1;
    }
    return body.at("delta").get<int>();
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
            throw ScriptMismatch("the dialog \"" + title + "\" has no advantage \"" + label + "\"");
        }
        return *advantage;
    };
    return runDialog(title, inputs, [&](const json& action) {
        if (action.contains("arrow")) {
            const json& body = boxStep(action, "arrow", "advantage", title);
            const Advantage advantage = advantageOf(body);
            const int delta = arrowDelta(body);
            for (int i = 0; i < (delta < 0 ? -delta : delta); ++i) {
                model.stepLevel(advantage, delta < 0 ? -1 : 1);
            }
            return Outcome::Open;
        }
        if (action.contains("type")) {
            const json& body = boxStep(action, "type", "advantage", title);
            model.typeLevel(advantageOf(body),
                            body.contains("value") ? textOf(body.at("value")) : std::string());
            return Outcome::Open;
        }
        const std::string caption = action.contains("click") ? textOf(action.at("click")) : "";
        if (caption == AdvantageAssignment::kToSkillPointsButton) {
            model.advantagesToSkillPoints();
            return Outcome::Open;
        }
        if (caption == AdvantageAssignment::kToAdvantagesButton) {
            model.skillPointsToAdvantages();
            return Outcome::Open;
        }
        if (caption == AdvantageAssignment::kOkButton) {
            if (const auto refused = model.confirm()) {
                showMessage(*refused);
                return Outcome::Open;
            }
            return Outcome::Accepted;
        }
        throw ScriptMismatch("the dialog \"" + title + "\" has no button \"" + caption + "\"");
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
        throw ScriptMismatch("the dialog \"" + title + "\" has no category \"" + label + "\"");
    };
    return runDialog(title, inputs, [&](const json& action) {
        if (action.contains("choose")) {
            const json& body = boxStep(action, "choose", "category", title);
            const SkillCategory category = categoryOfStep(body);
            const std::string entry = body.contains("entry") ? textOf(body.at("entry")) : "";
            if (!model.chooseEntry(category, entry)) {
                throw ScriptMismatch("the list \"" + std::string(categoryLabel(category)) +
                                     "\" has no entry \"" + entry + "\"");
            }
            return Outcome::Open;
        }
        if (action.contains("arrow")) {
            const json& body = boxStep(action, "arrow", "category", title);
            const SkillCategory category = categoryOfStep(body);
            const int delta = arrowDelta(body);
            for (int i = 0; i < (delta < 0 ? -delta : delta); ++i) {
                model.stepBox(category, delta < 0 ? -1 : 1);
            }
            return Outcome::Open;
        }
        if (action.contains("type")) {
            const json& body = boxStep(action, "type", "category", title);
            model.typeBoxValue(categoryOfStep(body),
                               body.contains("value") ? textOf(body.at("value")) : std::string());
            return Outcome::Open;
        }
        const std::string caption = action.contains("click") ? textOf(action.at("click")) : "";
        if (caption == SkillSelection::kEmphasisButton) {
            showEmphasisDisplay(layoutEmphasisDisplay(model.race(), model.showEmphasis()));
            return Outcome::Open;
        }
        if (caption == SkillSelection::kOkButton) {
            if (const auto refused = model.confirm()) {
                showMessage(*refused);
                return Outcome::Open;
            }
            return Outcome::Accepted;
        }
        throw ScriptMismatch("the dialog \"" + title + "\" has no button \"" + caption + "\"");
    });
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

void ScriptedInteraction::writeDone(const CQuorvelDoc& document) {
    write({{"event", "done"},
           {"page", document.record().m_nPage},
           {"modified", document.IsModified()},
           {"fileName", document.fileName().string()}});
}

json parseScript(const std::string& text) {
    json script = json::parse(text, nullptr, false);
    if (script.is_discarded()) {
        throw std::runtime_error("the script is not valid JSON");
    }
    if (!script.is_array()) {
        throw std::runtime_error("the script must be a JSON array of answers");
    }
    return script;
}

} // namespace orthavel
