#include "core/generation/SpecialSkillStep.h"

#include "core/generation/CareerTable.h"
#include "core/specialskills/SpecialSkillProcedure.h"

namespace orthavel {

void RunSpecialSkillStep(CharacterRecord& record, Interaction& ui,
                         std::span<const CareerGroup> table) {
    const CareerStep step = careerStep(record.m_nProfession, table);
    if (step.specialSkills) {
        SpecialSkillProcedure(record, ui);
    }
    if (step.careerLevel != kCareerLevelUnchanged) {
        record.m_nCareerLevel = step.careerLevel;
    }
}

} // namespace orthavel
