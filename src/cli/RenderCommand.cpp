// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/CharacterIO.h"
#include "cli/Subcommands.h"
#include "core/record/CharacterRecord.h"
#include "qtsheet/SheetRender.h"

#include <cctype>
#include <memory>
#include <optional>

// render: a sheet page drawn into a PDF, PNG or SVG file.
namespace orthavel::cli {

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

} // namespace orthavel::cli
