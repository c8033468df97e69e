#include "cli/CliCommands.h"

#include "core/document/CQuorvelDoc.h"
#include "core/document/Commands.h"
#include "core/interaction/ChoiceDialog.h"
#include "core/interaction/NumberPrompt.h"
#include "core/npc/NpcMaker.h"
#include "core/record/Cp1252.h"
#include "core/record/DerivedStats.h"
#include "core/skills/SkillRoll.h"
#include "qtcommon/CharacterFileIO.h"
#include "qtcommon/QtText.h"
#include "qtsheet/SheetRender.h"
#include "script/RecordJson.h"
#include "script/ScriptFormat.h"
#include "script/ScriptedInteraction.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QString>
#include <QStringList>

#include <array>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <sstream>

namespace orthavel::cli {

namespace {

// An option a subcommand may take: its name ("o" is written -o, a longer name --in), the name of
// its value in the help, and what it does.
struct OptionRow {
    std::string_view name;
    std::string_view value;
    std::string_view description;
};

constexpr OptionRow kOptionRows[] = {
    {"o", "OUT", "Writes the result there: a character file, or for render the page."},
    {"in", "FILE", "Starts from FILE, opened as File > Open opens it."},
    {"script", "S.json",
     "Answers the dialogs from this script; without it every one is cancelled."},
    {"rolls", "N,N,...", "The first percentile rolls (1 to 100); later ones are random."},
    {"seed", "N", "Seeds the random generator."},
    {"skill", "NAME",
     "With roc: rolls against this rated skill of the character instead of asking for the base "
     "number."},
    {"difficulty", "N", "With --skill: the action's difficulty, -1000 to 1000 (0 when not given)."},
    {"page", "N", "The page: 0 (main menu) to 4, or all (PDF only) for pages 1 to 4."},
    {"race", "R", "The race: Kessari or Neuonian (any when not given)."},
    {"culture", "C", "The House or city-state, by name (any of the race's when not given)."},
    {"profession", "CODE|NAME", "The job or profession, by code or name (any when not given)."},
    {"age", "CLASS", "The age class of Full Generation, Youngster to Legendary."},
    {"count", "N", "How many characters to make (1 when not given)."},
};

// What a subcommand was given: its operands and the value of each option used.
struct Arguments {
    std::vector<std::string> positional;
    std::map<std::string, std::string, std::less<>> options;
};

int cmdNew(const Arguments& a, std::ostream& out, std::ostream& err);
int cmdDump(const Arguments& a, std::ostream& out, std::ostream& err);
int cmdDerive(const Arguments& a, std::ostream& out, std::ostream& err);
int cmdRun(const Arguments& a, std::ostream& out, std::ostream& err);
int cmdRender(const Arguments& a, std::ostream& out, std::ostream& err);
int cmdNpc(const Arguments& a, std::ostream& out, std::ostream& err);

// A subcommand: its name, its operands and options as the usage shows them, what it does, the
// options it takes and the ones it needs (names separated by spaces), and how many operands.
struct Subcommand {
    std::string_view name;
    std::string_view synopsis;
    std::string_view summary;
    std::string_view options;
    std::string_view required;
    std::size_t operands;
    int (*run)(const Arguments& a, std::ostream& out, std::ostream& err);
};

constexpr Subcommand kSubcommands[] = {
    {"new", "-o OUT", "Writes a freshly constructed character.", "o", "o", 0, cmdNew},
    {"dump", "FILE", "Prints the character in FILE as one JSON object.", "", "", 1, cmdDump},
    {"derive", "FILE [-o OUT]",
     "Recomputes the derived values of FILE's character and prints it as dump does.", "o", "", 1,
     cmdDerive},
    {"run",
     "COMMAND [--in FILE] [--script S.json] [--rolls N,N,...] [--seed N] [--skill NAME "
     "[--difficulty N]] [-o OUT]",
     "Runs one menu command and prints what it showed as JSON lines.",
     "in script rolls seed skill difficulty o", "", 1, cmdRun},
    {"render", "FILE --page N -o OUT",
     "Draws a sheet page of FILE into OUT, a .pdf, .png or .svg file.", "page o", "page o", 1,
     cmdRender},
    {"npc",
     "[--race R] [--culture C] [--profession CODE|NAME] [--age CLASS] [--count N] [--seed S] -o "
     "FOLDER",
     "Makes N random characters that obey the rules and writes each as FOLDER/NAME.ksc; the same "
     "seed makes the same files.",
     "race culture profession age count seed o", "o", 0, cmdNpc},
};

static_assert(
    [] {
        for (const Subcommand& sub : kSubcommands) {
            for (std::string_view list : {sub.options, sub.required}) {
                while (!list.empty()) {
                    const auto space = list.find(' ');
                    bool known = false;
                    for (const OptionRow& row : kOptionRows) {
                        known = known || row.name == list.substr(0, space);
                    }
                    if (!known) {
                        return false;
                    }
                    list = space == std::string_view::npos ? "" : list.substr(space + 1);
                }
            }
        }
        return true;
    }(),
    "every option a subcommand names is in the option table");

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

std::string optionFlag(std::string_view name) {
    return (name.size() == 1 ? "-" : "--") + std::string(name);
}

const Subcommand* findSubcommand(std::string_view name) {
    for (const Subcommand& sub : kSubcommands) {
        if (sub.name == name) {
            return &sub;
        }
    }
    return nullptr;
}

const OptionRow& optionRow(std::string_view name) {
    for (const OptionRow& row : kOptionRows) {
        if (row.name == name) {
            return row;
        }
    }
    std::abort(); // cannot happen: the names are checked when compiling
}

// One line of a two-column listing; a name too long for its column gets a line of its own.
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

void printUsageLines(std::ostream& out, const Subcommand* only = nullptr) {
    const char* lead = "usage: ";
    for (const Subcommand& sub : kSubcommands) {
        if (only == nullptr || only == &sub) {
            out << lead << "orthavel-cli " << sub.name << ' ' << sub.synopsis << '\n';
            lead = "       ";
        }
    }
}

// A rule table is also named by its number ("table:hit-location, table:32773").
void printRunCommands(std::ostream& out) {
    for (const Command& command : commandTable()) {
        if (command.commandLineName.empty()) {
            continue;
        }
        std::string names(command.commandLineName);
        if (!command.commandLineOption.empty()) {
            names += ' ' + optionFlag(command.commandLineOption) + ' ' +
                     std::string(optionRow(command.commandLineOption).value);
        }
        if (const std::string numbered = numberedName(command); !numbered.empty()) {
            names += ", " + numbered;
        }
        listed(out, names, menuPath(command));
    }
}

void printHelp(std::ostream& out) {
    out << "Usage: orthavel-cli COMMAND [ARGUMENTS]\n"
           "Runs Orthavel's rules without a window: makes characters by script, checks and "
           "repairs character files, prints sheets in batches.\n\nCommands:\n";
    for (const Subcommand& sub : kSubcommands) {
        listed(out, std::string(sub.name) + ' ' + std::string(sub.synopsis), sub.summary);
    }
    listed(out, "help", "Prints this help; COMMAND --help prints a command's own.");
    out << "\nOptions:\n";
    listed(out, "-h, --help", "Prints this help.");
    listed(out, "-v, --version", "Prints the version.");
    out << "\nRun commands (the COMMAND of run, and where the menus offer it):\n";
    printRunCommands(out);
    out << '\n' << kExitStatuses;
}

void printSubcommandHelp(const Subcommand& sub, std::ostream& out) {
    out << "Usage: orthavel-cli " << sub.name << ' ' << sub.synopsis << '\n'
        << sub.summary << "\n\nOptions:\n";
    for (const std::string_view name : words(sub.options)) {
        const OptionRow& row = optionRow(name);
        listed(out, optionFlag(name) + ' ' + std::string(row.value), row.description);
    }
    listed(out, "-h, --help", "Prints this help.");
    if (sub.run == cmdRun) {
        out << "\nCommands:\n";
        printRunCommands(out);
    }
}

QString q(const std::string& s) {
    return QString::fromLocal8Bit(s.data(), qsizetype(s.size()));
}

std::string local(const QString& s) {
    return s.toLocal8Bit().toStdString();
}

// Wrong usage: the problem, then the usage of the subcommand (or of all of them).
int usage(std::ostream& err, const std::string& problem = {}, const Subcommand* sub = nullptr) {
    if (!problem.empty()) {
        err << "orthavel-cli: " << problem << '\n';
    }
    printUsageLines(err, sub);
    return ExitUsage;
}

int runSubcommand(const Subcommand& sub, const QStringList& args, std::ostream& out,
                  std::ostream& err) {
    QCommandLineParser parser;
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Prints this help."));
    parser.addOption(help);
    for (const std::string_view name : words(sub.options)) {
        parser.addOption(QCommandLineOption(toQString(name), toQString(optionRow(name).description),
                                            toQString(optionRow(name).value)));
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
    if (a.positional.size() > sub.operands) {
        return usage(err, name + ": unexpected argument \"" + a.positional[sub.operands] + "\"",
                     &sub);
    }
    if (a.positional.size() < sub.operands) {
        return usage(err,
                     name + ": " + std::string(words(sub.synopsis)[a.positional.size()]) +
                         " is missing",
                     &sub);
    }
    for (const std::string_view option : words(sub.options)) {
        const QStringList values = parser.values(toQString(option));
        if (values.size() > 1) {
            return usage(err, name + ": " + optionFlag(option) + " is given twice", &sub);
        }
        if (!values.isEmpty()) {
            a.options.emplace(option, local(values.first()));
        }
    }
    for (const std::string_view option : words(sub.required)) {
        if (!a.options.contains(option)) {
            return usage(err, name + ": " + optionFlag(option) + " is missing", &sub);
        }
    }
    return sub.run(a, out, err);
}

int openOrFail(CQuorvelDoc& doc, const std::string& path, std::ostream& err) {
    if (const auto problem = openCharacterFile(q(path), [&doc](const std::filesystem::path& file) {
            return doc.OnOpenDocument(file);
        })) {
        err << problem->toStdString() << '\n';
        return ExitFileError;
    }
    return ExitDone;
}

// Saves the character once everything printed before has reached standard output: a command that
// fails changes nothing, so output that cannot be written leaves the file as it was.
int saveOrFail(CQuorvelDoc& doc, const std::string& path, std::ostream& out, std::ostream& err) {
    if (!out.flush()) {
        return ExitFileError; // main() names the reason
    }
    if (const auto problem =
            saveCharacterFile(q(path), doc.SaveBytes(), [&doc](const std::filesystem::path& file) {
                doc.OnDocumentSaved(file);
            })) {
        err << problem->toStdString() << '\n';
        return ExitFileError;
    }
    return ExitDone;
}

void printRecord(const CharacterRecord& record, std::ostream& out) {
    out << dumpRecordJson(record);
}

int readOrFail(CharacterRecord& record, const std::string& path, std::ostream& err) {
    if (const auto problem = readCharacter(q(path), record)) {
        err << problem->toStdString() << '\n';
        return ExitFileError;
    }
    return ExitDone;
}

bool parseInt(const std::string& s, long long& value) {
    const auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    return ec == std::errc{} && ptr == s.data() + s.size();
}

std::optional<std::vector<int>> parseRolls(const std::string& list) {
    std::vector<int> rolls;
    std::stringstream in(list);
    std::string item;
    while (std::getline(in, item, ',')) {
        long long v = 0;
        if (!parseInt(item, v) || v < 1 || v > 100) {
            return std::nullopt;
        }
        rolls.push_back(static_cast<int>(v));
    }
    return rolls;
}

int cmdNew(const Arguments& a, std::ostream& out, std::ostream& err) {
    CQuorvelDoc doc;
    return saveOrFail(doc, a.options.at("o"), out, err);
}

int cmdDump(const Arguments& a, std::ostream& out, std::ostream& err) {
    CharacterRecord record;
    if (const int status = readOrFail(record, a.positional[0], err)) {
        return status;
    }
    printRecord(record, out);
    return ExitDone;
}

int cmdDerive(const Arguments& a, std::ostream& out, std::ostream& err) {
    CQuorvelDoc doc;
    if (const int status = readOrFail(doc.record(), a.positional[0], err)) {
        return status;
    }
    UpdateDerivedStats(doc.record());
    printRecord(doc.record(), out);
    if (a.options.contains("o")) {
        return saveOrFail(doc, a.options.at("o"), out, err);
    }
    return ExitDone;
}

// A script is far smaller than this; a larger one, or one that never ends (/dev/zero), is
// refused before it fills the memory.
constexpr std::size_t kMostScriptBytes = std::size_t{16} << 20;

// Reads the text of a script: a regular file or a pipe of at most kMostScriptBytes. Otherwise
// the answer says what is wrong.
std::optional<std::string> readScript(const std::string& path, std::string& text) {
    std::error_code error;
    const auto status = std::filesystem::status(std::filesystem::path(path), error);
    if (std::filesystem::is_directory(status)) {
        return "the script is a folder";
    }
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status) &&
        !std::filesystem::is_fifo(status)) {
        return "the script is not a regular file or a pipe";
    }
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::string("the script cannot be read: ") + std::strerror(errno);
    }
    std::array<char, 1 << 16> chunk{};
    text.clear();
    while (in.read(chunk.data(), chunk.size()) || in.gcount() > 0) {
        text.append(chunk.data(), static_cast<std::size_t>(in.gcount()));
        if (text.size() > kMostScriptBytes) {
            return "the script is larger than 16 MiB";
        }
    }
    if (in.bad()) {
        return "the script cannot be read";
    }
    return std::nullopt;
}

// Roll Against Skill's answer from --skill and --difficulty: the skill is named whole, and one
// the character does not have rated is refused before anything runs.
int skillRollAnswer(const Arguments& a, const CharacterRecord& record, nlohmann::json& script,
                    std::ostream& err) {
    const std::string& name = a.options.at("skill");
    if (const auto problem = SkillRoll(record).chooseOnly(name)) {
        err << "orthavel-cli: run roc: " << *problem << '\n';
        return ExitUsage;
    }
    const auto difficulty =
        a.options.contains("difficulty")
            ? parseWholeNumber(a.options.at("difficulty"), SkillRoll::kLowestDifficulty,
                               SkillRoll::kHighestDifficulty)
            : std::optional<std::int32_t>(0);
    if (!difficulty) {
        return usage(err, "--difficulty takes a whole number from -1000 to 1000",
                     findSubcommand("run"));
    }
    nlohmann::json fields = nlohmann::json::object();
    fields[std::string(SkillRoll::kFilterLabel)] = name;
    fields[std::string(SkillRoll::kDifficultyLabel)] = std::to_string(*difficulty);
    script.insert(script.begin(), nlohmann::json{{"title", std::string(SkillRoll::kTitle)},
                                                 {"fields", fields},
                                                 {"click", std::string(kOkCaption)}});
    return ExitDone;
}

int cmdRun(const Arguments& a, std::ostream& out, std::ostream& err) {
    const Subcommand* run = findSubcommand("run");
    if (a.options.contains("difficulty") && !a.options.contains("skill")) {
        return usage(err, "run: --difficulty goes with --skill", run);
    }
    const std::string_view option = a.options.contains("skill") ? "skill" : "";
    const Command* command = commandNamed(a.positional[0], option);
    if (command == nullptr) {
        return usage(err,
                     commandNamed(a.positional[0]) != nullptr
                         ? "run: \"" + a.positional[0] + "\" takes no --skill"
                         : "run: unknown command \"" + a.positional[0] + "\"",
                     run);
    }
    nlohmann::json script = nlohmann::json::array();
    if (a.options.contains("script")) {
        // A script that cannot be used is named in one line, with what is wrong.
        const std::string& path = a.options.at("script");
        std::string text;
        if (const auto problem = readScript(path, text)) {
            err << "orthavel-cli: \"" << path << "\": " << *problem << '\n';
            return ExitUsage;
        }
        try {
            script = parseScript(text);
        } catch (const std::exception& e) {
            err << "orthavel-cli: \"" << path << "\": " << e.what() << '\n';
            return ExitUsage;
        }
    }
    CQuorvelDoc doc;
    if (a.options.contains("seed")) {
        long long seed = 0;
        if (!parseInt(a.options.at("seed"), seed)) {
            return usage(err, "--seed takes an integer", run);
        }
        doc.dice().seed(static_cast<std::uint64_t>(seed));
    }
    if (a.options.contains("rolls")) {
        const auto rolls = parseRolls(a.options.at("rolls"));
        if (!rolls) {
            return usage(err, "--rolls takes numbers from 1 to 100, separated by commas", run);
        }
        doc.dice().queueRolls(*rolls);
    }
    if (a.options.contains("in")) {
        if (const int status = openOrFail(doc, a.options.at("in"), err)) {
            return status;
        }
    }
    if (!option.empty()) {
        if (const int status = skillRollAnswer(a, doc.record(), script, err)) {
            return status;
        }
    }
    ScriptedInteraction ui(std::move(script), out);
    try {
        doc.runCommand(*command, ui);
    } catch (const ScriptMismatch& e) {
        out.flush();
        err << "orthavel-cli: " << e.what() << '\n';
        return ExitScriptMismatch;
    }
    ui.writeDone(doc.record().m_nPage, doc.IsModified(), doc.fileName());
    if (a.options.contains("o")) {
        return saveOrFail(doc, a.options.at("o"), out, err);
    }
    return ExitDone;
}

// Set by Ctrl+C or a request to stop: the characters made so far stay, each file whole.
volatile std::sig_atomic_t g_stopRequested = 0;

extern "C" void requestStop(int /*signal*/) {
    g_stopRequested = 1;
}

int cmdNpc(const Arguments& a, std::ostream& out, std::ostream& err) {
    const Subcommand* npc = findSubcommand("npc");
    NpcPlan request;
    const auto read = [&](const char* option, auto named, std::optional<std::int32_t>& into,
                          const char* what) {
        if (!a.options.contains(option)) {
            return true;
        }
        into = named(a.options.at(option));
        if (!into) {
            usage(err,
                  "npc: no " + std::string(what) + " is called \"" + a.options.at(option) + "\"",
                  npc);
        }
        return into.has_value();
    };
    if (!read("race", raceNamed, request.race, "race") ||
        !read("culture", cultureNamed, request.culture, "House or city-state") ||
        !read("age", ageClassNamed, request.ageClass, "age class") ||
        !read(
            "profession", [&](std::string_view text) { return professionNamed(text, request); },
            request.profession, "job or profession")) {
        return ExitUsage;
    }
    if (const auto problem = requestProblem(request)) {
        return usage(err, "npc: " + *problem, npc);
    }
    long long count = 1;
    if (a.options.contains("count") &&
        (!parseInt(a.options.at("count"), count) || count < 1 || count > 1'000'000)) {
        return usage(err, "npc: --count takes a number from 1 to 1000000", npc);
    }
    long long seed = std::random_device{}();
    if (a.options.contains("seed") && !parseInt(a.options.at("seed"), seed)) {
        return usage(err, "npc: --seed takes an integer", npc);
    }
    const QString folder = q(a.options.at("o"));
    if (!QDir().mkpath(folder) || !QFileInfo(folder).isDir()) {
        err << "orthavel-cli: cannot make the folder \"" << a.options.at("o") << "\"\n";
        return ExitFileError;
    }
    g_stopRequested = 0;
    std::signal(SIGINT, requestStop);
    std::signal(SIGTERM, requestStop);
    Dice dice(static_cast<std::uint64_t>(seed));
    // What the request leaves open is dealt from a shuffled deck of every race and profession it
    // allows, so a large batch has every one of them.
    std::vector<NpcPlan> deck;
    for (long long made = 0; made < count; ++made) {
        if (g_stopRequested != 0) {
            err << "orthavel-cli: npc: stopped after " << made << " of " << count << '\n';
            return ExitFileError;
        }
        if (deck.empty()) {
            deck = professionChoices(request);
            for (std::size_t i = deck.size(); i > 1; --i) {
                std::swap(deck[i - 1],
                          deck[static_cast<std::size_t>(dice.uniform(0, static_cast<int>(i) - 1))]);
            }
        }
        const NpcPlan dealt = deck.back();
        deck.pop_back();
        const MadeNpc npc = makeNpc(dealt, dice);
        if (!npc.record) {
            return usage(err, "npc: " + npc.why, findSubcommand("npc"));
        }
        CQuorvelDoc doc;
        doc.record() = *npc.record;
        // Named after the character, made unique with a number.
        const std::string name = doc.proposedFileName();
        QString path = QDir(folder).filePath(QString::fromStdString(name));
        for (int n = 2; QFileInfo::exists(path); ++n) {
            path = QDir(folder).filePath(QString::fromStdString(name.substr(0, name.size() - 4) +
                                                                " " + std::to_string(n) + ".ksc"));
        }
        if (const int status = saveOrFail(doc, local(path), out, err)) {
            return status;
        }
        out << local(path) << '\n';
        if (count >= 100 && (made + 1) % 100 == 0) {
            err << "made " << made + 1 << " of " << count << '\n';
        }
    }
    return ExitDone;
}

// The sheet's drawing needs a GUI application (fonts); the tool makes one only for render, and
// ends it before returning.
std::unique_ptr<QGuiApplication> makeGuiApplication() {
    if (QCoreApplication::instance() != nullptr) {
        return nullptr;
    }
    static int argc = 1;
    static char name[] = "orthavel-cli";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

int cmdRender(const Arguments& a, std::ostream& /*out*/, std::ostream& err) {
    const Subcommand* render = findSubcommand("render");
    const std::string& output = a.options.at("o");
    const auto dot = output.find_last_of('.');
    std::string extension = dot == std::string::npos ? std::string() : output.substr(dot + 1);
    for (char& c : extension) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    if (extension != "pdf" && extension != "png" && extension != "svg") {
        return usage(err, "the output must end in .pdf, .png or .svg", render);
    }
    std::vector<std::int32_t> pages;
    const std::string& pageArg = a.options.at("page");
    long long page = 0;
    if (pageArg == "all") {
        if (extension != "pdf") {
            return usage(err, "--page all writes a PDF only", render);
        }
        pages = {1, 2, 3, 4};
    } else if (parseInt(pageArg, page) && page >= 0 && page <= 4) {
        pages = {static_cast<std::int32_t>(page)};
    } else {
        return usage(err, "--page takes 0 to 4, or all", render);
    }
    CharacterRecord record;
    if (const int status = readOrFail(record, a.positional[0], err)) {
        return status;
    }
    const auto app = makeGuiApplication();
    const SheetRenderer renderer;
    const QString path = q(output);
    std::optional<QString> problem;
    if (extension == "pdf") {
        problem = renderer.writePdf(record, pages, path);
    } else if (extension == "png") {
        problem = renderer.writePng(record, pages.front(), path);
    } else {
        problem = renderer.writeSvg(record, pages.front(), path);
    }
    if (problem) {
        err << problem->toStdString() << '\n';
        return ExitFileError;
    }
    return ExitDone;
}

} // namespace

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
        out << "orthavel-cli " << ORTHAVEL_VERSION << '\n';
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
