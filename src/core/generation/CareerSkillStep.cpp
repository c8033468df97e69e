#include "core/generation/CareerSkillStep.h"

#include "core/careerskills/CareerSkillProcedure.h"
#include "core/generation/CareerTable.h"

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
