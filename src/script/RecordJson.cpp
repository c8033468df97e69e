// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "script/RecordJson.h"

#include "core/record/Cp1252.h"
#include "core/record/StoredFields.h"

#include <cmath>
#include <cstdio>

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
    nlohmann::ordered_json j;
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

} // namespace orthavel
