// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "script/RecordJson.h"

#include "core/record/CharacterFile.h"
#include "core/record/Cp1252.h"
#include "core/record/StoredFields.h"
#include "script/JsonPosition.h"

#include <cmath>
#include <cstdio>
#include <limits>
#include <set>

namespace orthavel {

namespace {

nlohmann::ordered_json value(std::int32_t v) {
    return v;
}
nlohmann::ordered_json value(const Text& t) {
    return cp1252ToUtf8(t);
}
nlohmann::ordered_json value(float f) {
    return static_cast<double>(f);
}
template <std::size_t N> nlohmann::ordered_json value(const std::array<std::int32_t, N>& a) {
    return nlohmann::ordered_json(a);
}

} // namespace

nlohmann::ordered_json recordToJson(const CharacterRecord& r) {
    // Room for every field at once: growing would copy every field before it, arrays and all.
    nlohmann::ordered_json j = nlohmann::ordered_json::object();
    j.get_ref<nlohmann::ordered_json::object_t&>().reserve(2 + 80);
    j["m_sizeDoc"] = value(r.m_sizeDoc);
    j["m_bUpdateMode"] = value(r.m_bUpdateMode);
    forEachStoredField(
        r, [&](std::string_view name, const auto& field) { j[std::string(name)] = value(field); });
    return j;
}

std::string dumpRecordJson(const CharacterRecord& record) {
    const auto json = recordToJson(record);
    std::string out = "{\n";
    std::size_t left = json.size();
    for (const auto& [key, value] : json.items()) {
        out += "  \"" + key + "\": ";
        if (value.is_number_float() && !std::isfinite(value.get<double>())) {
            // A file may hold any bits; JSON has no number for infinities and NaNs.
            out += "null";
        } else if (value.is_number_float()) {
            // Nine significant digits bring every float back bit for bit.
            char buffer[32];
            std::snprintf(buffer, sizeof buffer, "%.9g",
                          static_cast<double>(static_cast<float>(value.get<double>())));
            out += buffer;
        } else {
            out += value.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
        }
        out += --left > 0 ? ",\n" : "\n";
    }
    out += "}\n";
    return out;
}

std::string RecordJsonError::words() const {
    return field.empty() ? reason : field + ": " + reason;
}

namespace {

using Json = nlohmann::json;

// Reads one field's value into its place; the reason when it cannot.
std::optional<std::string> read(const Json& j, std::int32_t& into) {
    if (!j.is_number_integer()) {
        return "must be an integer";
    }
    if (j.is_number_unsigned()
            ? j.get<std::uint64_t>() > std::numeric_limits<std::int32_t>::max()
            : j.get<std::int64_t>() < std::numeric_limits<std::int32_t>::min() ||
                  j.get<std::int64_t>() > std::numeric_limits<std::int32_t>::max()) {
        return "must be from -2147483648 to 2147483647";
    }
    into = static_cast<std::int32_t>(j.get<std::int64_t>());
    return std::nullopt;
}

std::optional<std::string> read(const Json& j, float& into) {
    if (j.is_null()) {
        into = std::numeric_limits<float>::quiet_NaN();
        return std::nullopt;
    }
    if (!j.is_number()) {
        return "must be a number";
    }
    const double value = j.get<double>();
    if (std::abs(value) > static_cast<double>(std::numeric_limits<float>::max())) {
        return "is too large for a float";
    }
    into = static_cast<float>(value);
    return std::nullopt;
}

std::optional<std::string> read(const Json& j, Text& into) {
    if (!j.is_string()) {
        return "must be a text";
    }
    auto text = utf8ToCp1252Exactly(j.get_ref<const std::string&>());
    if (!text) {
        return "holds a character Windows-1252 cannot hold";
    }
    if (text->size() > kMaxTextLength) {
        return "is longer than " + std::to_string(kMaxTextLength) + " characters";
    }
    into = std::move(*text);
    return std::nullopt;
}

template <std::size_t N>
std::optional<std::string> read(const Json& j, std::array<std::int32_t, N>& into) {
    if (!j.is_array() || j.size() != N) {
        return "must be a list of " + std::to_string(N) + " integers";
    }
    for (std::size_t i = 0; i < N; ++i) {
        if (auto reason = read(j[i], into[i])) {
            return "[" + std::to_string(i) + "] " + *reason;
        }
    }
    return std::nullopt;
}

// Reads the record's fields from an object; at holds the path of the object ("" or
// "flags.orthavel.record.").
std::optional<RecordJsonError> readFields(const Json& object, const std::string& at,
                                          CharacterRecord& record) {
    std::set<std::string, std::less<>> known;
    std::optional<RecordJsonError> error;
    const auto field = [&](std::string_view name, auto& value, bool required) {
        known.emplace(name);
        if (error) {
            return;
        }
        const auto found = object.find(name);
        if (found == object.end()) {
            if (required) {
                error = RecordJsonError{at + std::string(name), "missing"};
            }
            return;
        }
        if (auto reason = read(*found, value)) {
            // An element's index joins the name: "m_aSkill[3] must be an integer".
            const bool element = reason->starts_with('[');
            const auto close = reason->find("] ");
            error = element ? RecordJsonError{at + std::string(name) + reason->substr(0, close + 1),
                                              reason->substr(close + 2)}
                            : RecordJsonError{at + std::string(name), *reason};
        }
    };
    field("m_sizeDoc", record.m_sizeDoc, false);
    field("m_bUpdateMode", record.m_bUpdateMode, false);
    forEachStoredField(record,
                       [&](std::string_view name, auto& value) { field(name, value, true); });
    if (error) {
        return error;
    }
    for (const auto& [key, value] : object.items()) {
        if (!known.contains(key)) {
            return RecordJsonError{at + key, "is no field of a character"};
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<RecordJsonError> readRecordJson(std::string_view text, CharacterRecord& record) {
    if (text.size() > kMaxRecordJsonBytes) {
        return RecordJsonError{"", "the file is larger than 1 MiB"};
    }
    if (nestedDeeperThan(text, kMaxRecordJsonDepth)) {
        return RecordJsonError{"", "the values are nested too deeply"};
    }
    Json json;
    try {
        json = Json::parse(text);
    } catch (const Json::parse_error& e) {
        return RecordJsonError{"", "not valid JSON (" +
                                       textPosition(text, jsonFaultOffset(text, e)).words() + ")"};
    } catch (const Json::out_of_range&) {
        return RecordJsonError{"", "a number is too large for any value"};
    }
    if (!json.is_object()) {
        return RecordJsonError{"", "must be a JSON object"};
    }
    const Json* object = &json;
    std::string at;
    // An actor carries the record among its flags.
    if (!json.contains("m_nCareerLevel") && json.contains("flags")) {
        for (const char* key : {"flags", "orthavel", "record"}) {
            const auto found = object->find(key);
            if (found == object->end() || !found->is_object()) {
                return RecordJsonError{at + key,
                                       found == object->end() ? "missing" : "must be an object"};
            }
            object = &*found;
            at += std::string(key) + ".";
        }
    }
    CharacterRecord read = record;
    if (auto error = readFields(*object, at, read)) {
        return error;
    }
    record = std::move(read);
    return std::nullopt;
}

} // namespace orthavel
