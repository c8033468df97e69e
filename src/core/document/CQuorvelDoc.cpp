#include "core/document/CQuorvelDoc.h"

#include "core/advantages/AdvantageAssignment.h"
#include "core/dialogs/ArmorDialog.h"
#include "core/dialogs/NumberPrompt.h"
#include "core/dice/CriticalTables.h"
#include "core/dice/RocRoll.h"
#include "core/dice/RollPercentile.h"
#include "core/generation/Interaction.h"
#include "core/record/Cp1252.h"
#include "core/record/DerivedStats.h"
#include "core/skills/SkillSelection.h"

#include <algorithm>

namespace orthavel {

CQuorvelDoc::CQuorvelDoc() = default;

void CQuorvelDoc::SetModifiedFlag(bool modified) {
    if (m_modified != modified) {
        m_modified = modified;
        UpdateAllViews();
    }
}

std::string CQuorvelDoc::displayName() const {
    if (m_fileName.empty()) {
        return "Untitled";
    }
    return m_fileName.filename().string();
}

void CQuorvelDoc::addObserver(DocumentObserver* observer) {
    if (std::find(m_observers.begin(), m_observers.end(), observer) == m_observers.end()) {
        m_observers.push_back(observer);
    }
}

void CQuorvelDoc::removeObserver(DocumentObserver* observer) {
    std::erase(m_observers, observer);
}

void CQuorvelDoc::UpdateAllViews() const {
    // A copy, so an observer may unregister itself while being told.
    const auto observers = m_observers;
    for (auto* observer : observers) {
        observer->documentChanged(*this);
    }
}

void CQuorvelDoc::ShowPage(std::int32_t page) {
    m_record.m_nPage = page;
    UpdateAllViews();
}

LoadResult CQuorvelDoc::OnOpenDocument(const std::filesystem::path& path) {
    CharacterRecord loaded = m_record;
    const LoadResult result = loadCharacterFile(path, loaded);
    if (result) {
        m_record = std::move(loaded);
        m_record.m_nPage = 1;
        m_fileName = path;
        m_modified = false;
        UpdateAllViews();
    }
    return result;
}

std::string CQuorvelDoc::SaveBytes() const {
    return storeCharacter(m_record);
}

void CQuorvelDoc::OnDocumentSaved(const std::filesystem::path& path) {
    m_fileName = path;
    m_modified = false;
    UpdateAllViews();
}

int CQuorvelDoc::RollPercentile(Interaction& ui, const std::string& label) {
    return orthavel::RollPercentile(m_dice, ui, label);
}

namespace {

// Whether two records describe the same character: what the page shows and the working fields
// are not part of it.
bool sameCharacter(CharacterRecord a, const CharacterRecord& b) {
    a.m_nPage = b.m_nPage;
    a.m_sizeDoc = b.m_sizeDoc;
    a.m_bUpdateMode = b.m_bUpdateMode;
    return a == b;
}

} // namespace

template <typename Steps> void CQuorvelDoc::runUpdate(Steps&& steps) {
    const CharacterRecord before = m_record;
    m_record.m_bUpdateMode = 1;
    steps();
    // An update that changed the character must not be thrown away silently on exit.
    if (!sameCharacter(before, m_record)) {
        SetModifiedFlag(true);
    }
}

void CQuorvelDoc::remindToSave(Interaction& ui) {
    ui.showMessage({"Don't Forget", "Don't forget to save your character.", false});
}

void CQuorvelDoc::OnFileNew(Interaction& /*ui*/) {}

void CQuorvelDoc::OnFullGeneration(Interaction& /*ui*/) {}

void CQuorvelDoc::OnUpdateAdvantages(Interaction& ui) {
    runUpdate([&] {
        // Unspent points from before are gone: the update starts from the new points alone.
        m_record.m_nSkillPoints = 0;
        m_record.m_nAdvantagePoints = 0;
        const NumberPrompt prompt{
            "Update Advantages", "Number of new advantage points:", {}, 0, -10, 10, {}};
        if (const auto points = ui.askNumber(prompt)) {
            m_record.m_nAdvantagePoints = *points;
        }
        AdvantageAssignment assignment;
        assignment.open(m_record.m_nRace, m_record.m_bUpdateMode, m_record.m_nProfession,
                        m_record.m_aAdvantage, m_record.m_nSkillPoints,
                        m_record.m_nAdvantagePoints);
        if (ui.runAdvantageAssignment(assignment)) {
            m_record.m_aAdvantage = assignment.levels();
            m_record.m_nSkillPoints = assignment.skillPoints();
            m_record.m_nAdvantagePoints = assignment.advantagePoints();
        }
        UpdateDerivedStats(m_record);
    });
    remindToSave(ui);
    ShowPage(1);
}

void CQuorvelDoc::OnBirthday(Interaction& ui) {
    runUpdate([&] {
        // The age wraps like every other 32-bit value rather than overflowing.
        m_record.m_nAge =
            static_cast<std::int32_t>(static_cast<std::uint32_t>(m_record.m_nAge) + 1U);
        ui.showMessage({"Birthday",
                        "Happy Birthday!  " + cp1252ToUtf8(m_record.m_strName) + " is now " +
                            std::to_string(m_record.m_nAge) +
                            " years old.  Don't forget to save your character.",
                        false});
    });
    ShowPage(1);
}

void CQuorvelDoc::OnChangeProfession(Interaction& /*ui*/) {}

void CQuorvelDoc::OnNewArmor(Interaction& ui) {
    runUpdate([&] {
        // The choice starts at None and is stored whatever the outcome: closing the dialog
        // without a choice takes the armor off.
        m_record.m_aEquipment[0] = ui.runChoice(armorDialog()).value_or(0);
    });
    remindToSave(ui);
    ShowPage(1);
}

void CQuorvelDoc::OnUpdateSkills(Interaction& ui) {
    runUpdate([&] {
        const NumberPrompt prompt{
            "Update Skills", "Enter number of new skill points:", {}, 0, -200, 200, {}};
        // Cancelled, the unspent points from before stay.
        if (const auto points = ui.askNumber(prompt)) {
            m_record.m_nSkillPoints = *points;
        }
        SkillSelection selection;
        selection.open(m_record.m_nRace, m_record.m_nProfession, m_record.m_nSkillPoints,
                       m_record.m_nExperience, m_record.m_aSkill, m_record.m_nProfessionLevel);
        if (ui.runSkillSelection(selection)) {
            m_record.m_aSkill = selection.ratings();
            m_record.m_aEmphasis = selection.levels().emphases;
            m_record.m_aMastery = selection.levels().masteries;
            m_record.m_nProfessionLevel = selection.professionLevel();
        }
        // The balance comes back whatever the outcome.
        m_record.m_nSkillPoints = selection.skillPoints();
        m_record.m_nExperience = selection.experience();
        UpdateLifeLevel(m_record);
    });
    // The sheet shows the new values at its next repaint; the page stays.
    remindToSave(ui);
}

void CQuorvelDoc::OnUpdateSpecialSkills(Interaction& /*ui*/) {}

void CQuorvelDoc::OnRocRoll(Interaction& ui) {
    RunRocRoll(m_dice, ui);
}

void CQuorvelDoc::OnRuleTable(Interaction& ui, int commandId) {
    if (const CriticalTable* table = findCriticalTable(commandId)) {
        RunCriticalTable(*table, m_dice, ui);
    }
}

void CQuorvelDoc::OnRulesTips() {
    m_record.m_bRulesTips = m_record.m_bRulesTips == 0 ? 1 : 0;
    UpdateAllViews();
}

} // namespace orthavel
