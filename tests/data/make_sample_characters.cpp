// Writes the two sample characters of the screenshots and the render tests: a Kessari wizard's
// apprentice of House Groam (sample_kessari.ksc) and a Neuonian theologist of Calcese
// (sample_neuonian.ksc), made by hand until the generation commands can make them.
//
// Build and run from the repository's top folder, with a built core library:
//   g++ -std=c++20 -Isrc tests/data/make_sample_characters.cpp \
//       build/src/core/liborthavel_core.a -o /tmp/make_samples && /tmp/make_samples tests/data
#include "core/record/CharacterFile.h"
#include "core/record/DerivedStats.h"

#include <fstream>
#include <iostream>
#include <string>

using orthavel::CharacterRecord;

namespace {

void appearance(CharacterRecord& r, const char* gender, const char* eyes, const char* hair,
                const char* skin, const char* height, const char* weight, const char* build) {
    r.m_strGender = gender;
    r.m_strEyeColor = eyes;
    r.m_strHairColor = hair;
    r.m_strSkinColor = skin;
    r.m_strHeight = height;
    r.m_strWeight = weight;
    r.m_strBuild = build;
}

void setSkills(CharacterRecord& r, std::initializer_list<std::pair<int, int>> skills) {
    for (const auto& [index, value] : skills) {
        r.m_aSkill[static_cast<std::size_t>(index)] = value;
    }
}

CharacterRecord kessari() {
    CharacterRecord r;
    r.m_strName = "Ysolde Varant";
    r.m_strPlayedBy = "Kim Aldous";
    r.m_strPathway = "Assertive Giver";
    r.m_strAttitude = "Curious and stubborn";
    r.m_nCulture = 4;
    r.m_strCulture = "Groam";
    r.m_nProfession = 33;
    r.m_strProfession = "Wizard's Apprentice";
    r.m_nAge = 34;
    r.m_strBirthDate = "Third Moon, Year 412";
    r.m_strHandedness = "Left";
    r.m_strFamilyTrade = "Lamplighters of the old quarter";
    appearance(r, "Female", "Amber", "Black", "Pale grey", "5' 7\"", "128 lbs", "Slender");
    r.m_aAdvantage = {1, 2, 3, 1, 2, 4, 2, 5, 3, 2, 1, 0, 1, 2, 0};
    r.m_nProfessionLevel = 2;
    r.m_nLifeLevel = 3;
    r.m_nMaxLifeLevel = 3;
    r.m_nExperience = 150;
    r.m_aMastery = {1, 2, 0, 1, 0, 0, 4, 1, 0, 0, 2, 1};
    for (std::size_t i = 0; i < r.m_aEmphasis.size(); ++i) {
        r.m_aEmphasis[i] = static_cast<int>(i % 4);
    }
    setSkills(r, {{1, 25},   {10, 18},  {13, 12},  {23, 40},  {25, 35},  {26, 45},  {27, 30},
                  {32, 10},  {44, 22},  {49, 28},  {84, 45},  {85, 20},  {93, 15},  {98, 32},
                  {125, 18}, {133, 26}, {145, 12}, {171, 14}, {195, 16}, {196, 30}, {275, 24},
                  {278, 30}, {281, 20}, {289, 15}, {300, 20}, {304, 18}});
    r.m_aSpecialSkill[19] = 20;  // Magic Potions
    r.m_aSpecialSkill[20] = 12;  // Mimic Spell
    r.m_aSpecialSkill[23] = 8;   // Scry Spell
    r.m_aSpecialSkill[1] = 10;   // Speedreading
    r.m_aSpecialSkill[59] = 200; // Eidetic Memory, held
    r.m_aEquipment[0] = 3;       // hard leather
    orthavel::UpdateDerivedStats(r);
    orthavel::UpdateLifeLevel(r);
    return r;
}

CharacterRecord neuonian() {
    CharacterRecord r;
    r.ApplyNeuonianDefaults();
    r.m_strName = "Bren Calloway";
    r.m_strPlayedBy = "Sam Oduya";
    r.m_strPathway = "Gentle Seeker";
    r.m_strAttitude = "Devout, slow to anger";
    r.m_nCulture = 1;
    r.m_strCulture = "Calcese";
    r.m_nProfession = 92;
    r.m_strProfession = "Theologist";
    r.m_nAge = 27;
    r.m_strBirthDate = "Harvest Eve, Year 419";
    r.m_strHandedness = "Right";
    r.m_strFamilyTrade = "Bell founders of Calcese";
    appearance(r, "Male", "Grey", "Auburn", "Fair", "5' 11\"", "176 lbs", "Stocky");
    r.m_aAdvantage = {2, 1, 1, 2, 1, 3, 4, 3, 5, 4, 2, 3, 2, 1, 1};
    r.m_nProfessionLevel = 3;
    r.m_nLifeLevel = 2;
    r.m_nMaxLifeLevel = 2;
    r.m_nExperience = 40;
    r.m_aMastery = {1, 3, 0, 1, 1, 2, 0, 1, 1, 5, 1, 0};
    for (std::size_t i = 0; i < r.m_aEmphasis.size(); ++i) {
        r.m_aEmphasis[i] = static_cast<int>((i * 3) % 5);
    }
    setSkills(r, {{8, 20},   {10, 25},  {314, 15}, {316, 30}, {318, 22}, {24, 10},
                  {25, 40},  {28, 35},  {29, 25},  {26, 12},  {47, 18},  {71, 25},
                  {75, 30},  {81, 12},  {217, 45}, {218, 30}, {322, 40}, {220, 25},
                  {221, 35}, {222, 20}, {276, 15}, {286, 20}, {300, 12}});
    // Fifteen endowments: thirteen fill column 2, the last two continue in column 3.
    for (int i = 227; i < 227 + 15; ++i) {
        r.m_aSkill[static_cast<std::size_t>(i)] = 10 + (i % 7);
    }
    r.m_aSpecialSkill[2] = 14;   // Sense Deception
    r.m_aSpecialSkill[21] = 20;  // Reveal Evil
    r.m_aSpecialSkill[27] = 10;  // Inspire
    r.m_aSpecialSkill[54] = 200; // Dragonfriend, held
    r.m_aEquipment[0] = 7;       // full chainmail
    orthavel::UpdateDerivedStats(r);
    orthavel::UpdateLifeLevel(r);
    return r;
}

bool write(const std::string& path, const CharacterRecord& record) {
    std::ofstream out(path, std::ios::binary);
    out << orthavel::storeCharacter(record);
    return static_cast<bool>(out);
}

} // namespace

int main(int argc, char* argv[]) {
    const std::string folder = argc > 1 ? argv[1] : ".";
    if (!write(folder + "/sample_kessari.ksc", kessari()) ||
        !write(folder + "/sample_neuonian.ksc", neuonian())) {
        std::cerr << "cannot write the samples into " << folder << '\n';
        return 1;
    }
    return 0;
}
