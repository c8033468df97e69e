// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/record/CharacterFile.h"

#include "core/record/DerivedStats.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <limits>
#include <tuple>

namespace orthavel {
namespace {

std::span<const unsigned char> bytesOf(const std::string& s) {
    return {reinterpret_cast<const unsigned char*>(s.data()), s.size()};
}

// The eighteen texts.
using R = CharacterRecord;
constexpr Text CharacterRecord::*kTexts[] = {
    &R::m_strBirthDate,  &R::m_strHandedness, &R::m_strWeight,      &R::m_strHeight,
    &R::m_strBuild,      &R::m_strSkinColor,  &R::m_strHairColor,   &R::m_strEyeColor,
    &R::m_strTradeHint2, &R::m_strTradeHint1, &R::m_strFamilyTrade, &R::m_strGender,
    &R::m_strProfession, &R::m_strCulture,    &R::m_strAttitude,    &R::m_strPlayedBy,
    &R::m_strName,       &R::m_strPathway,
};

// A sample character, with the extremes a file may hold besides.
CharacterRecord busyCharacter(std::int32_t race) {
    CharacterRecord r;
    EXPECT_TRUE(loadCharacterFile(std::string(ORTHAVEL_TEST_DATA) + (race == kRaceNeuonian
                                                                         ? "/sample_neuonian.ksc"
                                                                         : "/sample_kessari.ksc"),
                                  r));
    r.m_aReserved.fill(-1);
    r.m_nSpare = std::numeric_limits<std::int32_t>::min();
    r.m_strName = "Ysolde \xE9\xFF";
    return r;
}

TEST(CharacterFile, LengthPrefixes) {
    const struct {
        std::size_t length;
        std::string prefix;
    } cases[] = {
        {0, std::string("\x00", 1)},
        {254, "\xFE"},
        {255, std::string("\xFF\xFF\x00", 3)},
        {65533, "\xFF\xFD\xFF"},
        {65534, std::string("\xFF\xFF\xFF\xFE\xFF\x00\x00", 7)},
        {70000, std::string("\xFF\xFF\xFF\x70\x11\x01\x00", 7)},
    };
    for (const auto& c : cases) {
        CharacterRecord r;
        r.m_strBirthDate = std::string(c.length, 'x');
        const std::string b = storeCharacter(r);
        EXPECT_EQ(b.substr(2072, c.prefix.size()), c.prefix) << c.length;
        EXPECT_EQ(b.size(),
                  storeCharacter(CharacterRecord{}).size() + c.length + c.prefix.size() - 1);
    }
}

TEST(CharacterFile, StoreAndLoadRoundTripByteForByte) {
    for (const std::int32_t race : {kRaceKessari, kRaceNeuonian}) {
        for (const std::size_t length : {0U, 1U, 254U, 255U, 65534U, 70000U}) {
            CharacterRecord original = busyCharacter(race);
            int i = 0;
            for (const auto& t : kTexts) {
                original.*t = std::string(i % 2 == 0 ? length : 3, static_cast<char>('a' + i));
                ++i;
            }
            const std::string bytes = storeCharacter(original);
            CharacterRecord loaded;
            ASSERT_TRUE(loadCharacter(bytesOf(bytes), loaded)) << race << "/" << length;
            loaded.m_sizeDoc = original.m_sizeDoc;
            loaded.m_bUpdateMode = original.m_bUpdateMode;
            if (race == kRaceKessari) {
                EXPECT_EQ(loaded.m_aEmphasis[39], 0);
                loaded.m_aEmphasis[39] = original.m_aEmphasis[39];
            }
            EXPECT_EQ(loaded, original) << race << "/" << length;
            EXPECT_EQ(storeCharacter(loaded), bytes) << race << "/" << length;
        }
    }
}

// The sample characters are stored again exactly as the files hold them. Loading keeps the working
// fields of the record it loads into and nothing of its previous character: a Kessari file holds no
// last emphasis.
TEST(CharacterFile, TheSampleFilesAreStoredAgainByteForByte) {
    for (const char* name : {"/sample_kessari.ksc", "/sample_neuonian.ksc"}) {
        std::ifstream in(std::string(ORTHAVEL_TEST_DATA) + name, std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in), {}};
        CharacterRecord r;
        r.m_bUpdateMode = 1;
        r.m_sizeDoc = {1, 2};
        r.m_aEmphasis[39] = 42;
        ASSERT_TRUE(loadCharacter(bytesOf(bytes), r)) << name;
        EXPECT_EQ(storeCharacter(r), bytes) << name;
        EXPECT_EQ(std::tuple(r.m_bUpdateMode, r.m_sizeDoc[0], r.m_sizeDoc[1]), std::tuple(1, 1, 2));
        EXPECT_NE(r.m_aEmphasis[39], 42) << name;
    }
}

TEST(CharacterFile, EveryTruncatedPrefixIsRefused) {
    for (const std::int32_t race : {kRaceKessari, kRaceNeuonian}) {
        CharacterRecord r = busyCharacter(race);
        r.m_strFamilyTrade = std::string(300, 'f');
        const std::string bytes = storeCharacter(r);
        for (std::size_t n = 0; n < bytes.size(); ++n) {
            CharacterRecord loaded;
            const LoadResult result = loadCharacter(bytesOf(bytes.substr(0, n)), loaded);
            ASSERT_FALSE(result) << "race " << race << ", " << n << " bytes";
            ASSERT_TRUE(result.error == FileError::UnexpectedEnd ||
                        result.error == FileError::TextTooLong)
                << n;
        }
    }
}

TEST(CharacterFile, HostileLengthsFailWithoutAllocating) {
    const std::string head = storeCharacter(CharacterRecord{}).substr(0, 2072);
    const struct {
        std::string prefix;
        FileError error;
    } cases[] = {
        {"\xFF\xFF\xFF\xFF\xFF\xFF\xFF", FileError::TextTooLong}, // 4 GiB of text
        {std::string("\xFF\xFF\xFF\x00\x00\x00\x40", 7), FileError::TextTooLong},
        {"\xFF\xFE\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF", FileError::TextTooLong}, // 16-bit, 8 GiB
        {"\xFF\xFE\xFF\xFF\xFE\xFF", FileError::BadTextPrefix},               // 16-bit marker twice
        {"\x10short", FileError::TextTooLong},
        {std::string("\xFF\xFF\xFF\x01\x00\x10\x00", 7) + std::string(0x100001, 'x'),
         FileError::TextTooLarge}, // present in full, but longer than 1 MiB
    };
    for (const auto& c : cases) {
        CharacterRecord loaded;
        const LoadResult result = loadCharacter(bytesOf(head + c.prefix), loaded);
        EXPECT_EQ(result.error, c.error) << describe(result.error);
    }
}

TEST(CharacterFile, SixteenBitTextsAreConvertedToTheCodePage) {
    std::string bytes = storeCharacter(CharacterRecord{});
    // Replace the empty birth date by "Été €✓" and the first and last surrogate pairs (U+10000,
    // U+10FFFF) in 16-bit characters: a pair is one character, and the code page has neither.
    const std::string wide(
        "\xFF\xFE\xFF\x09"
        "\xC9\x00\x74\x00\xE9\x00\xAC\x20\x13\x27\x00\xD8\x00\xDC\xFF\xDB\xFF\xDF",
        22);
    bytes.replace(2072, 1, wide);
    CharacterRecord loaded;
    ASSERT_TRUE(loadCharacter(bytesOf(bytes), loaded));
    EXPECT_EQ(loaded.m_strBirthDate, "\xC9t\xE9\x80???");
}

TEST(CharacterFile, MissingFileCannotBeOpened) {
    CharacterRecord r;
    EXPECT_EQ(loadCharacterFile("/nonexistent/dir/x.ksc", r).error, FileError::CannotOpen);
}

} // namespace
} // namespace orthavel
