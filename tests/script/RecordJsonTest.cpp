// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "script/RecordJson.h"
#include "core/record/CharacterFile.h"
#include "script/FoundryActor.h"
#include "support/Golden.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

namespace orthavel {
namespace {

CharacterRecord loaded(const std::filesystem::path& file) {
    CharacterRecord record;
    EXPECT_TRUE(loadCharacterFile(file, record)) << file;
    return record;
}

// The dump of every character file of the test data, and the actor of each, read back gives the
// same bytes.
TEST(RecordJson, DumpAndActorReadBackByteForByte) {
    for (const auto& entry : std::filesystem::directory_iterator(ORTHAVEL_TEST_DATA)) {
        if (entry.path().extension() != ".ksc") {
            continue;
        }
        CharacterRecord record = loaded(entry.path());
        record.m_nAge = std::numeric_limits<std::int32_t>::max(); // the ends of a whole number
        record.m_nFiscalLevel = std::numeric_limits<std::int32_t>::min();
        for (std::string text : {dumpRecordJson(record), foundryActorJson(record)}) {
            text.resize(std::size_t{1} << 20, ' '); // a file of exactly 1 MiB is read
            CharacterRecord back;
            const auto error = readRecordJson(text, back);
            ASSERT_FALSE(error) << entry.path() << ": " << error->words();
            EXPECT_EQ(storeCharacter(back), storeCharacter(record)) << entry.path();
        }
    }
}

// A wrong object is refused naming the field and the reason, and the record stays as it was.
TEST(RecordJson, WrongObjectsAreRefusedWithFieldAndReason) {
    const std::string dump = dumpRecordJson(CharacterRecord());
    const auto with = [&dump](const std::string& from, const std::string& to) {
        std::string text = dump;
        text.replace(text.find(from), from.size(), to);
        return text;
    };
    const std::pair<std::string, std::string> cases[] = {
        {"[1, 2]", "must be a JSON object"},
        {with("  \"m_nAge\": 21,\n", ""), "m_nAge: missing"},
        {with("{", "{\"m_nExtra\": 1, "), "m_nExtra: is no field of a character"},
        {with("\"m_nAge\": 21", "\"m_nAge\": \"21\""), "m_nAge: must be an integer"},
        {with("\"m_nAge\": 21", "\"m_nAge\": 21.5"), "m_nAge: must be an integer"},
        {with("\"m_nAge\": 21", "\"m_nAge\": 2147483648"),
         "m_nAge: must be from -2147483648 to 2147483647"},
        {with("\"m_nAge\": 21", "\"m_nAge\": -2147483649"),
         "m_nAge: must be from -2147483648 to 2147483647"},
        {with("\"m_aSave\": [", "\"m_aSave\": [1, "), "m_aSave: must be a list of 6 integers"},
        {with("\"m_aMastery\": [0", "\"m_aMastery\": [true"), "m_aMastery[0]: must be an integer"},
        {with("\"m_strName\": \"", "\"m_strName\": \"\\u4e2d"),
         "m_strName: holds a character Windows-1252 cannot hold"},
        {with("\"m_strName\": \"", "\"m_strName\": 5, \"x\": \""), "m_strName: must be a text"},
        {with("\"m_fMoveRate\": ", "\"m_fMoveRate\": 1e300, \"x\": "),
         "m_fMoveRate: is too large for a float"},
        {with("\"m_fMoveRate\": ", "\"m_fMoveRate\": \"fast\", \"x\": "),
         "m_fMoveRate: must be a number"},
        {std::string(20000, '[') + std::string(20000, ']'), "the values are nested too deeply"},
        {std::string(17, '[') + std::string(17, ']'), "the values are nested too deeply"},
        {std::string(16, '[') + std::string(16, ']'), "must be a JSON object"},
        {std::string((1 << 20) + 1, ' '), "the file is larger than 1 MiB"},
        {"{\"flags\": {\"orthavel\": []}}", "flags.orthavel: must be an object"},
        {"{\"flags\": {}}", "flags.orthavel: missing"},
        {"{\"flags\": {\"orthavel\": {\"record\": 1}}}",
         "flags.orthavel.record: must be an object"},
        {"{\"flags\": {\"orthavel\": {\"record\": {}}}}",
         "flags.orthavel.record.m_nCareerLevel: missing"},
        {"{\"m_nAge\": 1,}", "not valid JSON (line 1, column 14)"},
    };
    for (const auto& [text, expected] : cases) {
        CharacterRecord record;
        record.m_nAge = 77;
        const auto error = readRecordJson(text, record);
        ASSERT_TRUE(error) << expected;
        EXPECT_EQ(error->words(), expected);
        EXPECT_EQ(record.m_nAge, 77);
    }
}

// The actor has the shape Simple World-Building imports, every key made of [a-z0-9_].
TEST(RecordJson, FoundryActorHasTheImportedShape) {
    const CharacterRecord record = loaded(std::string(ORTHAVEL_TEST_DATA) + "/sample_kessari.ksc");
    test::expectGolden(foundryActorJson(record), "sample_kessari.actor.json");
    const auto actor = foundryActor(record);
    const auto& system = actor.at("system");
    const std::regex key("[a-z0-9_]+");
    const std::set<std::string> dtypes{"String", "Number", "Boolean", "Formula", "Resource"};
    ASSERT_EQ(system.at("groups").size(), system.at("attributes").size());
    for (const auto& [name, group] : system.at("groups").items()) {
        EXPECT_EQ(group.at("key"), name);
        EXPECT_TRUE(dtypes.contains(group.at("dtype").get<std::string>()));
        for (const auto& [attribute, value] : system.at("attributes").at(name).items()) {
            EXPECT_TRUE(std::regex_match(attribute, key)) << attribute;
            EXPECT_TRUE(dtypes.contains(value.at("dtype").get<std::string>())) << attribute;
        }
    }
    EXPECT_EQ(system.at("attributes").at("advantages").size(), 15U);
    EXPECT_EQ(attributeKey("+40 OCF Defending  Foreman!"), "40_ocf_defending_foreman");
    EXPECT_EQ(attributeKey("--"), "value");
    // A character with everything rated: two special skills of one name keep an attribute each.
    CharacterRecord all;
    all.m_aSkill.fill(40);
    all.m_aMastery.fill(3);
    all.m_aEmphasis.fill(2);
    all.m_aSpecialSkill.fill(20);
    const auto special = foundryActor(all).at("system").at("attributes").at("special");
    EXPECT_TRUE(special.contains("dragon_armor_15") && special.contains("dragon_armor_15_2"));
}

} // namespace
} // namespace orthavel
