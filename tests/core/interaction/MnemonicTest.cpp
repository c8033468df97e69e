// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/interaction/Mnemonic.h"

#include <gtest/gtest.h>

#include <string>

namespace orthavel {
namespace {

TEST(Mnemonic, ACaptionShowsItsTextAndMarksOneCharacter) {
    const struct {
        const char* caption;
        const char* shown;
        char marked;
    } cases[] = {
        {"&Neuonian", "Neuonian", 'N'},
        {"New Ran&dom", "New Random", 'd'},
        {"&&Co", "&Co", '\0'},
        {"A && &Pepper", "A & Pepper", 'P'},
        {"Tea &", "Tea ", '\0'},
        {"&A&B", "AB", 'A'},
        {"&&&x", "&x", 'x'},
        {"&", "", '\0'},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(stripMnemonic(c.caption), c.shown) << c.caption;
        EXPECT_EQ(mnemonicOf(c.caption), c.marked) << c.caption;
        EXPECT_TRUE(captionReads(c.caption, c.shown)) << c.caption;
        const std::string shown = c.shown;
        EXPECT_FALSE(captionReads(c.caption, shown + "x")) << c.caption;
        if (!shown.empty()) {
            EXPECT_FALSE(captionReads(c.caption, shown.substr(1))) << c.caption;
            EXPECT_FALSE(captionReads(c.caption, "?" + shown.substr(1))) << c.caption;
        }
    }
}

} // namespace
} // namespace orthavel
