// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/Subcommands.h"

// The table of subcommands: adding one is a row here (its options, usage line and help) and its
// function.
namespace orthavel::cli {

namespace {

constexpr Option kOut{"o", "OUT",
                      "Writes the result there: a character file, or for render the page."};
constexpr Option kSeed{"seed", "N", "Seeds the random generator."};

constexpr Option kOutOnly[] = {kOut};
constexpr Option kRunOptions[] = {
    {"in", "FILE", "Starts from FILE, opened as File > Open opens it."},
    {"script", "S.json",
     "Answers the dialogs from this script; without it every one is cancelled."},
    {"rolls", "N,N,...", "The first percentile rolls (1 to 100); later ones are random."},
    kSeed,
    {"skill", "NAME",
     "With roc: rolls against this rated skill of the character instead of asking for the base "
     "number."},
    {"difficulty", "N", "With --skill: the action's difficulty, -1000 to 1000 (0 when not given)."},
    kOut,
};
constexpr Option kRenderOptions[] = {
    {"page", "N", "The page: 0 (main menu) to 4, or all (PDF only) for pages 1 to 4."},
    kOut,
};
constexpr Option kNpcOptions[] = {
    {"race", "R", "The race: Kessari or Neuonian (any when not given)."},
    {"culture", "C", "The House or city-state, by name (any of the race's when not given)."},
    {"profession", "CODE|NAME", "The job or profession, by code or name (any when not given)."},
    {"age", "CLASS", "The age class of Full Generation, Youngster to Legendary."},
    {"count", "N", "How many characters to make (1 when not given)."},
    kSeed,
    kOut,
};

constexpr Option kPartyOptions[] = {
    {"json", "", "With list: one JSON object a line instead of tab-separated columns."},
};
constexpr Option kSummaryOptions[] = {
    {"party", "P.kparty", "Summarises the members of this party file, in its order."},
    {"page", "N", "The page to draw into a .png or .svg file, from 1 (1 when not given)."},
    {"o", "OUT", "Writes the summary there: a .pdf (every page), .png or .svg file."},
};
constexpr Option kExportOptions[] = {
    {"format", "F", "text, markdown, html, odt, foundry (a Foundry VTT actor) or json (as dump)."},
    {"o", "OUT", "The file, or the folder that takes one file per character."},
    {"one-file", "", "With text, markdown or html: every character in the one file OUT."},
};

void printRunHelp(std::ostream& out) {
    out << "\nCommands:\n";
    printRunCommands(out);
}

constexpr Subcommand kSubcommands[] = {
    {.name = "new",
     .synopsis = "-o OUT",
     .summary = "Writes a freshly constructed character.",
     .options = kOutOnly,
     .required = "o",
     .minOperands = 0,
     .maxOperands = 0,
     .run = cmdNew},
    {.name = "dump",
     .synopsis = "FILE",
     .summary = "Prints the character in FILE as one JSON object.",
     .options = {},
     .required = "",
     .minOperands = 1,
     .maxOperands = 1,
     .run = cmdDump},
    {.name = "derive",
     .synopsis = "FILE [-o OUT]",
     .summary = "Recomputes the derived values of FILE's character and prints it as dump does.",
     .options = kOutOnly,
     .required = "",
     .minOperands = 1,
     .maxOperands = 1,
     .run = cmdDerive},
    {.name = "run",
     .synopsis = "COMMAND [--in FILE] [--script S.json] [--rolls N,N,...] [--seed N] [--skill NAME "
                 "[--difficulty N]] [-o OUT]",
     .summary = "Runs one menu command and prints what it showed as JSON lines.",
     .options = kRunOptions,
     .required = "",
     .minOperands = 1,
     .maxOperands = 1,
     .run = cmdRun,
     .moreHelp = printRunHelp},
    {.name = "render",
     .synopsis = "FILE --page N -o OUT",
     .summary = "Draws a sheet page of FILE into OUT, a .pdf, .png or .svg file.",
     .options = kRenderOptions,
     .required = "page o",
     .minOperands = 1,
     .maxOperands = 1,
     .run = cmdRender},
    {.name = "npc",
     .synopsis = "[--race R] [--culture C] [--profession CODE|NAME] [--age CLASS] [--count N] "
                 "[--seed S] -o FOLDER",
     .summary = "Makes N random characters that obey the rules and writes each as "
                "FOLDER/NAME.ksc; the same seed makes the same files.",
     .options = kNpcOptions,
     .required = "o",
     .minOperands = 0,
     .maxOperands = 0,
     .run = cmdNpc},
    {.name = "party",
     .synopsis = "new P.kparty [FILES...] | add|remove P.kparty FILES... | list P.kparty [--json]",
     .summary = "Makes or changes a party file (members stored relative to its folder, each kept "
                "once), or lists its members: status, path, name, profession, level.",
     .options = kPartyOptions,
     .required = "",
     .minOperands = 2,
     .maxOperands = kAnyNumber,
     .run = cmdParty},
    {.name = "summary",
     .synopsis = "(FILES... | --party P.kparty) -o OUT [--page N]",
     .summary = "Draws the game master's summary sheet of the characters, several to a page and "
                "none split across pages, into a .pdf, .png or .svg file.",
     .options = kSummaryOptions,
     .required = "o",
     .minOperands = 0,
     .maxOperands = kAnyNumber,
     .run = cmdSummary},
    {.name = "load",
     .synopsis = "FILE.json -o OUT",
     .summary = "Writes the character of a dump object (or of an actor made by export) as a "
                "character file.",
     .options = kOutOnly,
     .required = "o",
     .minOperands = 1,
     .maxOperands = 1,
     .run = cmdLoad},
    {.name = "export",
     .synopsis = "--format F FILES... -o OUT [--one-file]",
     .summary = "Writes each character as a stat block, a Foundry VTT actor or a dump object; "
                "into a folder when OUT is one or several characters go, one file each.",
     .options = kExportOptions,
     .required = "format o",
     .minOperands = 1,
     .maxOperands = kAnyNumber,
     .run = cmdExport},
};

// Every option a row needs is one it takes (option() finds no other, and the table would not
// compile), and it takes at least as many operands as it needs.
static_assert([] {
    for (const Subcommand& sub : kSubcommands) {
        for (std::string_view list = sub.required; !list.empty();) {
            const auto space = list.find(' ');
            (void)sub.option(list.substr(0, space));
            list = space == std::string_view::npos ? "" : list.substr(space + 1);
        }
        if (sub.minOperands > sub.maxOperands) {
            return false;
        }
    }
    return true;
}());

} // namespace

std::span<const Subcommand> subcommands() {
    return kSubcommands;
}

void printToolListings(std::ostream& out) {
    out << "\nRun commands (the COMMAND of run, and where the menus offer it):\n";
    printRunCommands(out);
}

} // namespace orthavel::cli
