// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/record/CharacterRecord.h"

#include <nlohmann/json.hpp>

#include <optional>
#include <string>
#include <string_view>

namespace orthavel {

// The record as one JSON object: every field under its own name, in declaration order; texts
// decoded from Windows-1252 to UTF-8.
nlohmann::ordered_json recordToJson(const CharacterRecord& record);

// The record as dump prints it: one field a line, each value compact, floats with nine
// significant digits.
std::string dumpRecordJson(const CharacterRecord& record);

// The most bytes a JSON text of a record may have, and how deep its values may nest: a dump takes
// a few kilobytes and nests two deep.
inline constexpr std::size_t kMaxRecordJsonBytes = 1U << 20;
inline constexpr int kMaxRecordJsonDepth = 16;

// Why a JSON text is not a record: the field at fault ("m_aSkill[3]", empty for the whole text)
// and the reason.
struct RecordJsonError {
    std::string field;
    std::string reason;

    // As messages give it: "m_nAge: must be an integer".
    std::string words() const;
};

// Reads a record from a JSON text: the object dump prints, or a Foundry actor that carries it in
// flags.orthavel.record. Every stored field must be there with its type, its array size, a value
// the record can hold (32-bit integers, texts of at most kMaxTextLength characters that
// Windows-1252 can hold; a float may be null, which dump writes for a value that is no finite
// number); m_sizeDoc and m_bUpdateMode may be, and nothing else. On failure record is left as it
// was.
std::optional<RecordJsonError> readRecordJson(std::string_view text, CharacterRecord& record);

} // namespace orthavel
