// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/record/CharacterRecord.h"

#include <nlohmann/json.hpp>

namespace orthavel {

// The record as one JSON object: every field under its own name, in declaration order; texts
// decoded from Windows-1252 to UTF-8.
nlohmann::ordered_json recordToJson(const CharacterRecord& record);

// The record as dump prints it: one field a line, each value compact, floats with nine
// significant digits.
std::string dumpRecordJson(const CharacterRecord& record);

} // namespace orthavel
