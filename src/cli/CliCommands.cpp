#include "cli/CliCommands.h"

#include "core/document/CQuorvelDoc.h"
#include "core/document/Commands.h"
#include "core/record/DerivedStats.h"
#include "qtcommon/CharacterFileIO.h"
#include "qtsheet/SheetRender.h"
#include "script/RecordJson.h"
#include "script/ScriptedInteraction.h"

#include <QGuiApplication>
#include <QString>

#include <cctype>
#include <charconv>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <sstream>

namespace orthavel::cli {

namespace {

constexpr const char* kUsage =
    "usage: orthavel-cli new -o FILE\n"
    "       orthavel-cli dump FILE\n"
    "       orthavel-cli derive FILE [-o OUT]\n"
    "       orthavel-cli run COMMAND [--in FILE] [--script S.json] [--rolls N,N,...] [--seed N] "
    "[-o OUT]\n"
    "       orthavel-cli render FILE --page N -o OUT\n";

// Positional arguments and --options with a value.
struct Arguments {
    std::vector<std::string> positional;
    std::map<std::string, std::string> options;
};

std::optional<Arguments> parse(const std::vector<std::string>& args, std::size_t from,
                               std::initializer_list<const char*> known) {
    Arguments parsed;
    for (std::size_t i = from; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a.size() > 1 && a[0] == '-') {
            bool isKnown = false;
            for (const char* k : known) {
                isKnown = isKnown || a == k;
            }
            if (!isKnown || i + 1 >= args.size() || parsed.options.contains(a)) {
                return std::nullopt;
            }
            parsed.options[a] = args[++i];
        } else {
            parsed.positional.push_back(a);
        }
    }
    return parsed;
}

QString q(const std::string& s) {
    return QString::fromLocal8Bit(s.data(), qsizetype(s.size()));
}

int usage(std::ostream& err, const std::string& problem = {}) {
    if (!problem.empty()) {
        err << "orthavel-cli: " << problem << '\n';
    }
    err << kUsage;
    return ExitUsage;
}

int openOrFail(CQuorvelDoc& doc, const std::string& path, std::ostream& err) {
    if (const auto problem = openDocument(doc, q(path))) {
        err << problem->toStdString() << '\n';
        return ExitFileError;
    }
    return ExitDone;
}

int saveOrFail(CQuorvelDoc& doc, const std::string& path, std::ostream& err) {
    if (const auto problem = saveDocument(doc, q(path))) {
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

int cmdNew(const std::vector<std::string>& args, std::ostream& /*out*/, std::ostream& err) {
    const auto a = parse(args, 1, {"-o"});
    if (!a || !a->positional.empty() || !a->options.contains("-o")) {
        return usage(err);
    }
    CQuorvelDoc doc;
    return saveOrFail(doc, a->options.at("-o"), err);
}

int cmdDump(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const auto a = parse(args, 1, {});
    if (!a || a->positional.size() != 1) {
        return usage(err);
    }
    CharacterRecord record;
    if (const int status = readOrFail(record, a->positional[0], err)) {
        return status;
    }
    printRecord(record, out);
    return ExitDone;
}

int cmdDerive(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const auto a = parse(args, 1, {"-o"});
    if (!a || a->positional.size() != 1) {
        return usage(err);
    }
    CQuorvelDoc doc;
    if (const int status = readOrFail(doc.record(), a->positional[0], err)) {
        return status;
    }
    UpdateDerivedStats(doc.record());
    printRecord(doc.record(), out);
    if (a->options.contains("-o")) {
        return saveOrFail(doc, a->options.at("-o"), err);
    }
    return ExitDone;
}

int cmdRun(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const auto a = parse(args, 1, {"--in", "--script", "--rolls", "--seed", "-o"});
    if (!a || a->positional.size() != 1) {
        return usage(err);
    }
    const DocumentCommand* command = findDocumentCommand(a->positional[0]);
    if (command == nullptr) {
        return usage(err, "unknown command \"" + a->positional[0] + "\"");
    }
    nlohmann::json script = nlohmann::json::array();
    if (a->options.contains("--script")) {
        const std::string& path = a->options.at("--script");
        std::ifstream in(path, std::ios::binary);
        if (!in) {
            return usage(err, "cannot read the script \"" + path + "\"");
        }
        std::stringstream text;
        text << in.rdbuf();
        try {
            script = parseScript(text.str());
        } catch (const std::exception& e) {
            return usage(err, "\"" + path + "\": " + e.what());
        }
    }
    CQuorvelDoc doc;
    if (a->options.contains("--seed")) {
        long long seed = 0;
        if (!parseInt(a->options.at("--seed"), seed)) {
            return usage(err, "--seed takes an integer");
        }
        doc.dice().seed(static_cast<std::uint64_t>(seed));
    }
    if (a->options.contains("--rolls")) {
        const auto rolls = parseRolls(a->options.at("--rolls"));
        if (!rolls) {
            return usage(err, "--rolls takes numbers from 1 to 100, separated by commas");
        }
        doc.dice().queueRolls(*rolls);
    }
    if (a->options.contains("--in")) {
        if (const int status = openOrFail(doc, a->options.at("--in"), err)) {
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
    ui.writeDone(doc);
    if (a->options.contains("-o")) {
        return saveOrFail(doc, a->options.at("-o"), err);
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

int cmdRender(const std::vector<std::string>& args, std::ostream& /*out*/, std::ostream& err) {
    const auto a = parse(args, 1, {"--page", "-o"});
    if (!a || a->positional.size() != 1 || !a->options.contains("--page") ||
        !a->options.contains("-o")) {
        return usage(err);
    }
    const std::string& output = a->options.at("-o");
    const auto dot = output.find_last_of('.');
    std::string extension = dot == std::string::npos ? std::string() : output.substr(dot + 1);
    for (char& c : extension) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    if (extension != "pdf" && extension != "png" && extension != "svg") {
        return usage(err, "the output must end in .pdf, .png or .svg");
    }
    std::vector<std::int32_t> pages;
    const std::string& pageArg = a->options.at("--page");
    long long page = 0;
    if (pageArg == "all") {
        if (extension != "pdf") {
            return usage(err, "--page all writes a PDF only");
        }
        pages = {1, 2, 3, 4};
    } else if (parseInt(pageArg, page) && page >= 0 && page <= 4) {
        pages = {static_cast<std::int32_t>(page)};
    } else {
        return usage(err, "--page takes 0 to 4, or all");
    }
    CharacterRecord record;
    if (const int status = readOrFail(record, a->positional[0], err)) {
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
    if (args.empty()) {
        return usage(err);
    }
    const std::string& sub = args[0];
    if (sub == "new") {
        return cmdNew(args, out, err);
    }
    if (sub == "dump") {
        return cmdDump(args, out, err);
    }
    if (sub == "derive") {
        return cmdDerive(args, out, err);
    }
    if (sub == "run") {
        return cmdRun(args, out, err);
    }
    if (sub == "render") {
        return cmdRender(args, out, err);
    }
    if (sub == "--help" || sub == "-h" || sub == "help") {
        out << kUsage;
        return ExitDone;
    }
    return usage(err, "unknown subcommand \"" + sub + "\"");
}

} // namespace orthavel::cli
