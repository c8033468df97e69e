// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <cstddef>
#include <functional>
#include <limits>
#include <map>
#include <ostream>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// The command-line tool's framework: subcommands as rows of a table (Subcommands.cpp), each with
// its options, usage line and help; the parsing of their arguments, the help and the usage.
namespace orthavel::cli {

// Exit statuses of the command-line tool.
enum Exit : int {
    ExitDone = 0,
    ExitFileError = 1,
    ExitUsage = 2,
    ExitScriptMismatch = 3,
};

// An option a subcommand may take: its name ("o" is written -o, a longer name --in), the name of
// its value in the help (none for an option that is given alone, as a switch), and what it does.
struct Option {
    std::string_view name;
    std::string_view value;
    std::string_view description;
};

// What a subcommand was given: its operands and the value of each option used ("" for a
// switch).
struct Arguments {
    std::vector<std::string> positional;
    std::map<std::string, std::string, std::less<>> options;
};

// The most operands a subcommand that takes a list of them may be given.
inline constexpr std::size_t kAnyNumber = std::numeric_limits<std::size_t>::max();

// A subcommand: a row of the table. Its usage line is "orthavel-cli NAME SYNOPSIS"; its help
// adds the summary, its options and what moreHelp prints. required names the options it cannot
// do without, separated by spaces.
struct Subcommand {
    std::string_view name;
    std::string_view synopsis;
    std::string_view summary;
    std::span<const Option> options;
    std::string_view required;
    std::size_t minOperands;
    std::size_t maxOperands;
    int (*run)(const Arguments& a, std::ostream& out, std::ostream& err);
    void (*moreHelp)(std::ostream& out) = nullptr;

    // The option of that name (the table is checked when compiling: it has it).
    constexpr const Option& option(std::string_view optionName) const {
        for (const Option& row : options) {
            if (row.name == optionName) {
                return row;
            }
        }
        throw std::logic_error("no such option"); // cannot happen: checked when compiling
    }
};

// The table, in the order the help lists it, and what the tool's help lists after its own
// options (both in Subcommands.cpp).
std::span<const Subcommand> subcommands();
void printToolListings(std::ostream& out);

// Runs the tool on its arguments (without the program name).
int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

const Subcommand* findSubcommand(std::string_view name);
// Wrong usage: the problem, then the usage of the subcommand (or of all of them). Answers
// ExitUsage.
int usage(std::ostream& err, const std::string& problem = {}, const Subcommand* sub = nullptr);
// An option as it is written: -o, --in.
std::string optionFlag(std::string_view name);
// One line of a two-column listing; a name too long for its column gets a line of its own.
void listed(std::ostream& out, std::string_view name, std::string_view text);

// Arguments are in the local encoding.
QString q(const std::string& s);
std::string local(const QString& s);
// A whole number, the text holding nothing else.
bool parseInt(const std::string& s, long long& value);

} // namespace orthavel::cli
