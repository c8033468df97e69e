// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/statblock/StatBlock.h"
#include "core/record/CharacterFile.h"
#include "core/sheet/SkillSheetTables.h"
#include "support/Golden.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

namespace orthavel {
namespace {

using Writer = std::string (*)(const StatBlock&);

struct Format {
    const char* extension;
    Writer write;
};

constexpr Format kFormats[] = {
    {"txt", statBlockText}, {"md", statBlockMarkdown}, {"html", statBlockHtml}};

CharacterRecord sample(const std::string& who) {
    CharacterRecord record;
    EXPECT_TRUE(
        loadCharacterFile(std::string(ORTHAVEL_TEST_DATA) + "/sample_" + who + ".ksc", record));
    return record;
}

// Each form of both samples, against the reviewed files.
TEST(StatBlock, SamplesMatchTheReviewedFiles) {
    for (const char* who : {"kessari", "neuonian"}) {
        const StatBlock block = makeStatBlock(sample(who));
        for (const Format& format : kFormats) {
            test::expectGolden(format.write(block),
                               std::string("sample_") + who + ".statblock." + format.extension);
        }
    }
}

// The number of cell borders of a Markdown line: the '|' not escaped.
std::size_t borders(const std::string& line) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
        count += line[i] == '|' && (i == 0 || line[i - 1] != '\\') ? 1 : 0;
    }
    return count;
}

// Texts that would break a layout or a page, in every text a stat block shows: no line of the
// plain text is longer than 80 characters or holds a control character, every Markdown table
// row has its header's cells, and the HTML holds no tag the texts brought.
TEST(StatBlock, HostileTextsAreEscaped) {
    const std::string hostile[] = {
        "<script>alert(1)</script>", "</td></tr></table>",       "a|b||c",
        "*bold* _it_ [x](y)",        "```code``` `x`",           "tab\there\nnew\rline\x01\x7f",
        "\x80\x81\x9f\xff\xe9",      std::string(1U << 20, 'w'), "& &amp; \"quoted\" 'single'"};
    for (const std::string& text : hostile) {
        CharacterRecord r = sample("kessari");
        r.m_strName = r.m_strAttitude = r.m_strFamilyTrade = r.m_strCulture = r.m_strEyeColor =
            text;
        const StatBlock block = makeStatBlock(r);
        // The title, filled over lines, keeps every character of the name but the controls.
        const std::string plainText = statBlockText(block);
        std::string title = plainText.substr(0, plainText.find("\n="));
        std::erase_if(title, [](char c) { return c == ' ' || c == '\n'; });
        std::string name = cleanText(r.m_strName);
        std::erase(name, ' ');
        EXPECT_EQ(title, name);
        std::istringstream plain(plainText);
        for (std::string line; std::getline(plain, line);) {
            const auto width = std::count_if(line.begin(), line.end(), [](char c) {
                return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
            });
            ASSERT_LE(width, 80) << text.substr(0, 30) << ": " << line.substr(0, 100);
            ASSERT_TRUE(std::none_of(line.begin(), line.end(),
                                     [](char c) { return static_cast<unsigned char>(c) < 0x20; }));
        }
        std::istringstream markdown(statBlockMarkdown(block));
        std::size_t header = 0;
        for (std::string line; std::getline(markdown, line);) {
            if (!line.starts_with('|')) {
                header = 0;
            } else if (header == 0) {
                header = borders(line);
            } else {
                ASSERT_EQ(borders(line), header) << text.substr(0, 30) << ": " << line;
            }
        }
        const std::string html = statBlockHtml(block);
        EXPECT_EQ(html.find("<script"), std::string::npos);
        EXPECT_EQ(html.find("</td></tr></table>"), std::string::npos);
        EXPECT_EQ(html.find("\"quoted\""), std::string::npos);
    }
}

// A character without a name is called so; the first spell and the first endowment are listed
// as any other.
TEST(StatBlock, NamelessCharacterAndFirstHeldEntries) {
    CharacterRecord r;
    r.m_strName = "  ";
    r.m_aSkill[kFirstSpell] = 10;
    r.m_aSkill[kFirstEndowment] = 11;
    const std::string text = statBlockText(makeStatBlock(r));
    EXPECT_TRUE(text.starts_with("Unnamed\n=======\n"));
    EXPECT_NE(text.find(std::string(kSpellLabels[0]) + " 10"), std::string::npos);
    EXPECT_NE(text.find(std::string(kEndowmentLabels[0]) + ": 11"), std::string::npos);
}

// A value of fewer than 39 columns shares its line with the one before; one of 39 stands alone.
TEST(StatBlock, ValuesShareALineOnlyWithRoomBetween) {
    for (const std::size_t width : {38U, 39U}) {
        CharacterRecord r = sample("kessari");
        r.m_strEyeColor = std::string(width - std::string("Eye Color: ").size(), 'e');
        const std::string cell = "Eye Color: " + r.m_strEyeColor;
        const std::string gender = "Gender: Male";
        const std::string expected =
            width < 39 ? gender + std::string(40 - gender.size(), ' ') + cell + "\n"
                       : gender + "\n" + cell + "\n";
        EXPECT_NE(statBlockText(makeStatBlock(r)).find(expected), std::string::npos) << width;
    }
}

} // namespace
} // namespace orthavel
