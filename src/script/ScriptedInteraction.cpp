#include "script/ScriptedInteraction.h"

#include "core/advantages/AdvantageAssignment.h"
#include "core/interaction/ChoiceDialog.h"
#include "core/interaction/FormDialog.h"
#include "core/record/Cp1252.h"
#include "core/skills/EmphasisDisplay.h"
#include "core/skills/SkillRoll.h"
#include "core/skills/SkillSelection.h"
#include "script/JsonPosition.h"

#include <algorithm>
#include <string_view>

namespace orthavel {

using nlohmann::json;
using nlohmann::ordered_json;

namespace {

// A script is a list of answers holding lists of steps; nothing deeper is needed, and a parsed
// value nested without end would exhaust the stack when it is copied or compared.
constexpr int kMaxScriptDepth = 64;
// An arrow step clicks at most this many times either way: more than any box's range.
constexpr std::int64_t kMaxArrowClicks = 1000;
// Texts from the script repeated in a message are cut to this many characters.
constexpr std::size_t kMaxShownCharacters = 200;

// A text of the script as a message repeats it: at most kMaxShownCharacters UTF-8 characters.
std::string shownText(const std::string& text) {
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool starts = (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80;
        if (starts && ++characters > kMaxShownCharacters) {
            return text.substr(0, i) + "...";
        }
    }
    return text;
}

} // namespace

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
            throw ScriptMismatch("the dialog \"" + dialog.title + "\" has no button \"" +
                                 shownText(caption) + "\"");
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
        throw ScriptMismatch("the dialog \"" + title + "\" has no button \"" + shownText(caption) +
                             "\"");
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
        throw ScriptMismatch("the dialog \"" + title + "\" has no button \"" + shownText(caption) +
                             "\"");
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
        const std::string caption = action.contains("click") ? textOf(action.at("click")) : "";
        if (caption == kOkCaption) {
            if (const auto refused = form.confirm()) {
                showMessage(refused->message);
                return Outcome::Open;
            }
            return Outcome::Accepted;
        }
        if (caption == kCancelCaption && dialog.cancelButton) {
            return Outcome::Cancelled;
        }
        throw ScriptMismatch("the dialog \"" + dialog.title + "\" has no button \"" +
                             shownText(caption) + "\"");
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
            const std::string caption = action.contains("click") ? textOf(action.at("click")) : "";
            if (caption == kOkCaption) {
                if (const auto refused = model.confirm()) {
                    showMessage(*refused);
                    return Outcome::Open;
                }
                return Outcome::Accepted;
            }
            if (caption == kCancelCaption) {
                return Outcome::Cancelled;
            }
            throw ScriptMismatch("the dialog \"" + title + "\" has no button \"" +
                                 shownText(caption) + "\"");
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

namespace {

[[noreturn]] void refuse(const std::string& where, const std::string& problem) {
    throw std::runtime_error(where + ": " + problem);
}

// Checks that the members of a box step ("arrow", "type", "choose") are of the right type.
void checkBoxStep(const json& body, const std::string& name, const std::string& where) {
    if (!body.is_object()) {
        refuse(where, name + " must be an object");
    }
    for (const char* key : {"advantage", "category", "entry", "field", "value"}) {
        if (body.contains(key) && !body.at(key).is_string()) {
            refuse(where, name + " " + key + " must be a text");
        }
    }
    if (body.contains("value") &&
        holdsControlCharacter(body.at("value").get_ref<const std::string&>())) {
        refuse(where, name + " value must not hold control characters");
    }
    if (body.contains("delta")) {
        const json& delta = body.at("delta");
        if (!delta.is_number_integer()) {
            refuse(where, name + " delta must be a whole number");
        }
        const bool inRange =
            delta.is_number_unsigned()
                ? delta.get<std::uint64_t>() <= static_cast<std::uint64_t>(kMaxArrowClicks)
                : delta.get<std::int64_t>() >= -kMaxArrowClicks &&
                      delta.get<std::int64_t>() <= kMaxArrowClicks;
        if (!inRange) {
            refuse(where, name + " delta must be from -" + std::to_string(kMaxArrowClicks) +
                              " to " + std::to_string(kMaxArrowClicks));
        }
    }
}

// Checks the actions an answer or a step may hold. where names it: "answer 2, step 3".
void checkActions(const json& holder, const std::string& where) {
    for (const char* key : {"title", "click", "radio"}) {
        if (holder.contains(key) && !holder.at(key).is_string()) {
            refuse(where, std::string(key) + " must be a text");
        }
    }
    if (holder.contains("cancel") && holder.at("cancel") != true) {
        refuse(where, "cancel must be true");
    }
    if (holder.contains("fields")) {
        const json& fields = holder.at("fields");
        if (!fields.is_object()) {
            refuse(where, "fields must be an object");
        }
        for (const auto& [label, value] : fields.items()) {
            if (!value.is_string()) {
                refuse(where, "the field \"" + shownText(label) + "\" must be a text");
            }
            if (holdsControlCharacter(value.get_ref<const std::string&>())) {
                refuse(where,
                       "the field \"" + shownText(label) + "\" must not hold control characters");
            }
        }
    }
    for (const char* key : {"arrow", "type", "choose"}) {
        if (holder.contains(key)) {
            checkBoxStep(holder.at(key), key, where);
        }
    }
}

// Whether the lists and objects of a script's text nest deeper than kMaxScriptDepth, found in
// one pass over the text before it is parsed. Texts are skipped; invalid JSON is left to the
// parser.
bool nestedTooDeeply(std::string_view text) {
    int depth = 0;
    bool inText = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (inText) {
            if (c == '\\') {
                ++i;
            } else if (c == '"') {
                inText = false;
            }
        } else if (c == '"') {
            inText = true;
        } else if (c == '[' || c == '{') {
            if (++depth > kMaxScriptDepth) {
                return true;
            }
        } else if (c == ']' || c == '}') {
            --depth;
        }
    }
    return false;
}

} // namespace

json parseScript(const std::string& text) {
    // A script nested without end is refused before anything is built. The parser is given no
    // callback: with one, each object closed makes it walk the list that holds it again, which
    // makes a long list of answers take time in the square of its length.
    if (nestedTooDeeply(text)) {
        throw std::runtime_error("the script is nested too deeply");
    }
    json script;
    try {
        script = json::parse(text);
    } catch (const json::parse_error& e) {
        throw std::runtime_error("the script is not valid JSON (" +
                                 textPosition(text, jsonFaultOffset(text, e)).words() + ")");
    } catch (const json::out_of_range&) {
        throw std::runtime_error("the script holds a number too large for any value");
    }
    if (!script.is_array()) {
        throw std::runtime_error("the script must be a JSON array of answers");
    }
    for (std::size_t a = 0; a < script.size(); ++a) {
        const json& answer = script[a];
        const std::string where = "answer " + std::to_string(a + 1);
        if (!answer.is_object()) {
            throw std::runtime_error(where + " must be an object");
        }
        checkActions(answer, where);
        if (!answer.contains("steps")) {
            continue;
        }
        const json& steps = answer.at("steps");
        if (!steps.is_array()) {
            refuse(where, "steps must be a list");
        }
        for (std::size_t st = 0; st < steps.size(); ++st) {
            const std::string stepWhere = where + ", step " + std::to_string(st + 1);
            if (!steps[st].is_object()) {
                throw std::runtime_error(stepWhere + " must be an object");
            }
            checkActions(steps[st], stepWhere);
        }
    }
    return script;
}

} // namespace orthavel
