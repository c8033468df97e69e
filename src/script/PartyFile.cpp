// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "script/PartyFile.h"

#include "script/JsonPosition.h"

#include <nlohmann/json.hpp>

#include <fstream>
#include <set>
#include <stdexcept>

namespace orthavel {

namespace fs = std::filesystem;
using json = nlohmann::ordered_json;

namespace {

constexpr std::string_view kFormat = "orthavel-party";
constexpr int kVersion = 1;
// Deeper than any party file needs, shallow enough for every walk over it.
constexpr int kDeepestNesting = 64;

struct TooDeep : std::runtime_error {
    TooDeep() : std::runtime_error("nested too deeply") {}
};

PartyReading refused(std::string problem) {
    return {std::nullopt, std::move(problem)};
}

// A member's place and text, for messages: the text as JSON writes it, so nothing in it can
// break the line.
std::string memberWords(std::size_t index, const std::string& text) {
    return "member " + std::to_string(index + 1) + " (" +
           json(text).dump(-1, ' ', true, json::error_handler_t::replace) + ")";
}

} // namespace

PartyReading parseParty(std::string_view text) {
    json party;
    try {
        party = json::parse(text, [](int depth, json::parse_event_t, json&) {
            if (depth > kDeepestNesting) {
                throw TooDeep();
            }
            return true;
        });
    } catch (const json::parse_error& e) {
        return refused("it is not valid JSON (" +
                       textPosition(text, jsonFaultOffset(text, e)).words() + ")");
    } catch (const TooDeep&) {
        return refused("it is nested too deeply");
    } catch (const json::out_of_range&) {
        return refused("it holds a number too large for any value");
    }
    if (!party.is_object()) {
        return refused("it is not a party file (no JSON object)");
    }
    const auto format = party.find("format");
    if (format == party.end() || *format != kFormat) {
        return refused("it is not a party file (its format is not \"orthavel-party\")");
    }
    const auto version = party.find("version");
    if (version == party.end() || !version->is_number_integer()) {
        return refused("it is not a party file (it has no version)");
    }
    if (*version != kVersion) {
        return refused("its version " + version->dump() + " is not one this program reads (1)");
    }
    Party result;
    if (const auto name = party.find("name"); name != party.end()) {
        if (!name->is_string()) {
            return refused("its name is not a text");
        }
        result.name = name->get<std::string>();
    }
    const auto members = party.find("members");
    if (members == party.end() || !members->is_array()) {
        return refused("it has no list of members");
    }
    if (members->size() > kMostPartyMembers) {
        return refused("it has " + std::to_string(members->size()) + " members; at most " +
                       std::to_string(kMostPartyMembers) + " are read");
    }
    std::set<fs::path> seen;
    for (std::size_t m = 0; m < members->size(); ++m) {
        const json& member = (*members)[m];
        if (!member.is_string()) {
            return refused("member " + std::to_string(m + 1) + " is not a text");
        }
        std::string path = member.get<std::string>();
        if (auto problem = memberPathProblem(path)) {
            return refused(memberWords(m, path) + ": " + *problem);
        }
        if (seen.insert(fs::path(path).lexically_normal()).second) {
            result.members.push_back(std::move(path));
        }
    }
    for (const auto& [key, value] : party.items()) {
        if (key != "format" && key != "version" && key != "name" && key != "members") {
            result.kept.push_back({key, value.dump()});
        }
    }
    return {std::move(result), {}};
}

PartyReading readPartyFile(const fs::path& path) {
    std::error_code ec;
    const fs::file_status found = fs::status(path, ec);
    if (found.type() == fs::file_type::not_found) {
        return refused("the file does not exist");
    }
    if (found.type() != fs::file_type::regular) {
        return refused("it is not a regular file");
    }
    const std::uintmax_t size = fs::file_size(path, ec);
    if (ec) {
        return refused("the file cannot be read");
    }
    if (size > kMostPartyFileBytes) {
        return refused("it is longer than a party file can be (1 MiB)");
    }
    std::ifstream in(path, std::ios::binary);
    std::string text(static_cast<std::size_t>(size), '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    if (!in && !in.eof()) {
        return refused("the file cannot be read");
    }
    text.resize(static_cast<std::size_t>(in.gcount()));
    return parseParty(text);
}

std::string partyFileText(const Party& party) {
    json out;
    out["format"] = kFormat;
    out["version"] = kVersion;
    out["name"] = party.name;
    out["members"] = party.members;
    for (const KeptKey& kept : party.kept) {
        out[kept.key] = json::parse(kept.json, nullptr, false);
    }
    return out.dump(2, ' ', false, json::error_handler_t::replace) + '\n';
}

} // namespace orthavel
