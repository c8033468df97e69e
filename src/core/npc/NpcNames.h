// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The words a random character is made of: names, attitudes, family trades and birth months of
// our own. Every text fits the field it goes into (a name of two parts in 30 characters, a
// background in 80, a birth date with its year in 20).

#include <array>
#include <string_view>

namespace orthavel {

inline constexpr std::string_view kNpcPlayedBy = "Game Master";

// The first names of each gender, as many of one as of the other.
inline constexpr std::array<std::string_view, 24> kNpcMaleFirstNames{
    "Aldric", "Anselm",  "Bram",   "Cedric",  "Corwin", "Dorran", "Edrin",  "Emeric",
    "Falk",   "Garrick", "Gideon", "Halvard", "Ivo",    "Jorund", "Kerrin", "Leofric",
    "Marek",  "Orrin",   "Osric",  "Quill",   "Soren",  "Tobin",  "Ulric",  "Wendel",
};

inline constexpr std::array<std::string_view, 24> kNpcFemaleFirstNames{
    "Alina", "Bera",  "Brida", "Celia",  "Dagny", "Dessa", "Elsbeth", "Fenna",
    "Freya", "Greta", "Hilde", "Ilse",   "Jessa", "Liane", "Maren",   "Nessa",
    "Odile", "Petra", "Rosa",  "Sabine", "Talia", "Vanya", "Wilma",   "Ysolde",
};

inline constexpr std::array<std::string_view, 24> kNpcFamilyNames{
    "Ashford",  "Brannock", "Coldwater", "Dunmere",  "Ellory",    "Farrow",  "Greyhame", "Holloway",
    "Ironwood", "Jurrel",   "Kestrel",   "Lockhart", "Marrow",    "Norwood", "Oakhart",  "Pell",
    "Quarry",   "Redmane",  "Stroud",    "Thorne",   "Underhill", "Vance",   "Winterby", "Yarrow",
};

inline constexpr std::array<std::string_view, 12> kNpcAttitudes{
    "Adventurous", "Cautious", "Cheerful", "Curious", "Dour",     "Greedy",
    "Honest",      "Proud",    "Restless", "Shy",     "Stubborn", "Wary",
};

inline constexpr std::array<std::string_view, 10> kNpcBackgrounds{
    "Candle makers of the tower quarter", "Ferrymen on the river crossing",
    "Tanners outside the east wall",      "Keepers of a roadside inn",
    "Millers of the upper valley",        "Scribes to a minor lord",
    "Shepherds of the high pastures",     "Rope makers at the harbour",
    "Glassblowers of the market street",  "Beekeepers and chandlers",
};

inline constexpr std::array<std::string_view, 8> kNpcBirthMonths{
    "Midwinter", "Thaw", "Sowing", "Blossom", "Midsummer", "Harvest", "Leaffall", "Frost",
};

} // namespace orthavel
