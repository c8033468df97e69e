// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/CharacterIO.h"
#include "cli/Subcommands.h"
#include "core/npc/NpcBatch.h"
#include "qtcommon/SafeFile.h"

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
    NpcBatch batch(request, dice);
    for (long long made = 0; made < count; ++made) {
        if (g_stopRequested != 0) {
            err << "orthavel-cli: npc: stopped after " << made << " of " << count << '\n';
            return ExitFileError;
        }
        const MadeNpc npc = batch.next();
        if (!npc.record) {
            // The request was understood: no usage, and the files written stay.
            err << "orthavel-cli: npc: " << npc.why << '\n';
            return ExitUsage;
        }
        CQuorvelDoc doc;
        doc.record() = *npc.record;
        const std::string proposed = doc.proposedFileName();
        const QByteArray bytes = QByteArray::fromStdString(doc.SaveBytes());
        if (!out.flush()) {
            return ExitFileError; // main() names the reason
        }
        QString path;
        NewFile written = NewFile::NameTaken;
        QString reason;
        for (int n = 1; written == NewFile::NameTaken; ++n) {
            path = QDir(folder).filePath(QString::fromStdString(numberedFileName(proposed, n)));
            written = writeNewFile(path, bytes, &reason);
        }
        if (written == NewFile::Failed) {
            err << "Cannot save \"" << local(path) << "\": " << reason.toStdString() << ".\n";
            return ExitFileError;
        }
        out << local(path) << '\n';
        if (count >= 100 && (made + 1) % 100 == 0) {
            err << "made " << made + 1 << " of " << count << '\n';
        }
    }
    return ExitDone;
}

} // namespace orthavel::cli
