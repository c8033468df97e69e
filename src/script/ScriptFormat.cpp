// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "script/ScriptFormat.h"

#include "core/record/Cp1252.h"
#include "script/JsonPosition.h"

#include <stdexcept>
#include <string_view>

namespace orthavel {

using nlohmann::json;

namespace {

// A script is a list of answers holding lists of steps; nothing deeper is needed, and a parsed
// value nested without end would exhaust the stack when it is copied or compared.
constexpr int kMaxScriptDepth = 64;
// Texts from the script repeated in a message are cut to this many characters.
constexpr std::size_t kMaxShownCharacters = 200;

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

} // namespace

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

json parseScript(const std::string& text) {
    // A script nested without end is refused before anything is built. The parser is given no
    // callback: with one, each object closed makes it walk the list that holds it again, which
    // makes a long list of answers take time in the square of its length.
    if (nestedDeeperThan(text, kMaxScriptDepth)) {
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
