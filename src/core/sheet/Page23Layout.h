#pragma once

#include "core/record/CharacterRecord.h"
#include "core/sheet/DisplayList.h"
#include "core/sheet/TextMetrics.h"

namespace orthavel {

// Sheet page 2: the mastery list of skills from Combat to Magic, with the spells held.
DisplayList layoutPage2(const CharacterRecord& record, const TextMetrics& metrics);

// Sheet page 3: the mastery list from Myth & Lore to Travel, with the endowments held.
DisplayList layoutPage3(const CharacterRecord& record, const TextMetrics& metrics);

} // namespace orthavel
