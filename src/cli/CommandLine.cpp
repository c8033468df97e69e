// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/CommandLine.h"

#include "qtcommon/QtText.h"

#include <QCommandLineParser>
#include <QStringList>

#include <charconv>

namespace orthavel::cli {

namespace {

constexpr std::string_view kExitStatuses = "Exit status:\n"
                                           "  0  done\n"
                                           "  1  a file could not be read or written\n"
                                           "  2  wrong usage\n"
                                           "  3  the script did not match the dialogs shown\n";

// The names in a list separated by spaces.
std::vector<std::string_view> words(std::string_view list) {
    std::vector<std::string_view> result;
    while (!list.empty()) {
        const auto space = list.find(' ');
        result.push_back(list.substr(0, space));
        list = space == std::string_view::npos ? std::string_view() : list.substr(space + 1);
    }
    return result;
}

void printUsageLines(std::ostream& out, const Subcommand* only = nullptr) {
    const char* lead = "usage: ";
    for (const Subcommand& sub : subcommands()) {
        if (only == nullptr || only == &sub) {
            out << lead << "orthavel-cli " << sub.name << ' ' << sub.synopsis << '\n';
            lead = "       ";
        }
    }
}

void printHelp(std::ostream& out) {
    out << "Usage: orthavel-cli COMMAND [ARGUMENTS]\n"
           "Runs Orthavel's rules without a window: makes characters by script, checks and "
           "repairs character files, prints sheets in batches.\n\nCommands:\n";
    for (const Subcommand& sub : subcommands()) {
        listed(out, std::string(sub.name) + ' ' + std::string(sub.synopsis), sub.summary);
    }
    listed(out, "help", "Prints this help; COMMAND --help prints a command's own.");
    out << "\nOptions:\n";
    listed(out, "-h, --help", "Prints this help.");
    listed(out, "-v, --version", "Prints the version.");
    printToolListings(out);
    out << '\n' << kExitStatuses;
}

void printSubcommandHelp(const Subcommand& sub, std::ostream& out) {
    out << "Usage: orthavel-cli " << sub.name << ' ' << sub.synopsis << '\n'
        << sub.summary << "\n\nOptions:\n";
    for (const Option& option : sub.options) {
        const std::string value = option.value.empty() ? "" : ' ' + std::string(option.value);
        listed(out, optionFlag(option.name) + value, option.description);
    }
    listed(out, "-h, --help", "Prints this help.");
    if (sub.moreHelp != nullptr) {
        sub.moreHelp(out);
    }
}

int runSubcommand(const Subcommand& sub, const QStringList& args, std::ostream& out,
                  std::ostream& err) {
    QCommandLineParser parser;
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Prints this help."));
    parser.addOption(help);
    for (const Option& option : sub.options) {
        parser.addOption(QCommandLineOption(toQString(option.name), toQString(option.description),
                                            toQString(option.value)));
    }
    const std::string name(sub.name);
    if (!parser.parse(args)) {
        return usage(err, name + ": " + local(parser.errorText()), &sub);
    }
    if (parser.isSet(help)) {
        printSubcommandHelp(sub, out);
        return ExitDone;
    }
    Arguments a;
    for (const QString& operand : parser.positionalArguments()) {
        a.positional.push_back(local(operand));
    }
    if (a.positional.size() > sub.maxOperands) {
        return usage(err, name + ": unexpected argument \"" + a.positional[sub.maxOperands] + "\"",
                     &sub);
    }
    if (a.positional.size() < sub.minOperands) {
        return usage(err,
                     name + ": " + std::string(words(sub.synopsis)[a.positional.size()]) +
                         " is missing",
                     &sub);
    }
    for (const Option& option : sub.options) {
        const QString optionName = toQString(option.name);
        if (parser.optionNames().count(optionName) > 1) {
            return usage(err, name + ": " + optionFlag(option.name) + " is given twice", &sub);
        }
        if (parser.isSet(optionName)) {
            a.options.emplace(option.name, local(parser.value(optionName)));
        }
    }
    for (const std::string_view option : words(sub.required)) {
        if (!a.options.contains(option)) {
            return usage(err, name + ": " + optionFlag(option) + " is missing", &sub);
        }
    }
    return sub.run(a, out, err);
}

} // namespace

std::string optionFlag(std::string_view name) {
    return (name.size() == 1 ? "-" : "--") + std::string(name);
}

const Subcommand* findSubcommand(std::string_view name) {
    for (const Subcommand& sub : subcommands()) {
        if (sub.name == name) {
            return &sub;
        }
    }
    return nullptr;
}

void listed(std::ostream& out, std::string_view name, std::string_view text) {
    constexpr std::size_t kColumn = 26;
    out << "  " << name;
    if (name.size() + 2 >= kColumn) {
        out << '\n' << std::string(kColumn, ' ');
    } else {
        out << std::string(kColumn - 2 - name.size(), ' ');
    }
    out << text << '\n';
}

QString q(const std::string& s) {
    return QString::fromLocal8Bit(s.data(), qsizetype(s.size()));
}

std::string local(const QString& s) {
    return s.toLocal8Bit().toStdString();
}

int usage(std::ostream& err, const std::string& problem, const Subcommand* sub) {
    if (!problem.empty()) {
        err << "orthavel-cli: " << problem << '\n';
    }
    printUsageLines(err, sub);
    return ExitUsage;
}

bool parseInt(const std::string& s, long long& value) {
    const auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    return ec == std::errc{} && ptr == s.data() + s.size();
}

int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    // The options before the subcommand are the tool's own; the rest is the subcommand's, with
    // its name in the place of the program's.
    QStringList arguments{QStringLiteral("orthavel-cli")};
    for (const std::string& arg : args) {
        arguments.append(q(arg));
    }
    QCommandLineParser parser;
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Prints this help."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Prints the version."));
    parser.addOption(help);
    parser.addOption(version);
    if (!parser.parse(arguments)) {
        return usage(err, local(parser.errorText()));
    }
    if (parser.isSet(help)) {
        printHelp(out);
        return ExitDone;
    }
    if (parser.isSet(version)) {
        out << "orthavel-cli " << ORTHAVEL_VERSION << '\n'
            << "Copyright (C) 2026 The Orthavel developers\n"
               "License GPLv3+: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.\n"
               "This is free software: you are free to change and redistribute it.\n"
               "There is NO WARRANTY, to the extent permitted by law.\n";
        return ExitDone;
    }
    QStringList rest = parser.positionalArguments();
    if (rest.isEmpty()) {
        return usage(err);
    }
    if (rest.first() == QStringLiteral("help")) {
        // "help COMMAND" is "COMMAND --help".
        if (rest.size() == 1) {
            printHelp(out);
            return ExitDone;
        }
        rest = {rest[1], QStringLiteral("--help")};
    }
    const std::string name = local(rest.first());
    if (const Subcommand* sub = findSubcommand(name)) {
        return runSubcommand(*sub, rest, out, err);
    }
    return usage(err, "unknown subcommand \"" + name + "\"");
}

} // namespace orthavel::cli
