#include "cli/CharacterIO.h"
#include "cli/Subcommands.h"
#include "core/npc/NpcMaker.h"

#include <QDir>
#include <QFileInfo>

#include <csignal>
#include <random>

// npc: a batch of random characters written into a folder.
namespace orthavel::cli {

namespace {

// Set by Ctrl+C or a request to stop: the characters made so far stay, each file whole.
volatile std::sig_atomic_t g_stopRequested = 0;

extern "C" void requestStop(int /*signal*/) {
    g_stopRequested = 1;
}

} // namespace

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

} // namespace orthavel::cli
