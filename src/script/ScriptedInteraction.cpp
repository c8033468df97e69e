#include "script/ScriptedInteraction.h"

#include "core/dialogs/ChoiceDialog.h"
#include "core/dialogs/NumberPrompt.h"
#include "core/document/CQuorvelDoc.h"

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

bool ScriptedInteraction::runDialog(const std::string& title, const json& inputs,
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
    std::optional<int> result;
    runDialog(dialog.title, json::object(), [&](const json& action) {
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
    runDialog(prompt.title, json::object(), [&](const json& action) {
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
