// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "cli/CommandLine.h"
#include "core/party/Party.h"

#include <memory>
#include <ostream>

// The subcommands of orthavel-cli, one function each, in a file of their own (or of their group).
namespace orthavel::cli {

// FileCommands.cpp
int cmdNew(const Arguments& a, std::ostream& out, std::ostream& err);
int cmdDump(const Arguments& a, std::ostream& out, std::ostream& err);
int cmdDerive(const Arguments& a, std::ostream& out, std::ostream& err);

// RunCommand.cpp; the run commands are listed one a line with their menu entries.
int cmdRun(const Arguments& a, std::ostream& out, std::ostream& err);
void printRunCommands(std::ostream& out);

// RenderCommand.cpp
int cmdRender(const Arguments& a, std::ostream& out, std::ostream& err);

// NpcCommand.cpp
int cmdNpc(const Arguments& a, std::ostream& out, std::ostream& err);

// PartyCommand.cpp; reading a party file names the fault on err and answers ExitFileError.
int cmdParty(const Arguments& a, std::ostream& out, std::ostream& err);
int readPartyOrFail(const std::string& path, Party& party, std::ostream& err);

// SummaryCommand.cpp
int cmdSummary(const Arguments& a, std::ostream& out, std::ostream& err);

// LoadCommand.cpp
int cmdLoad(const Arguments& a, std::ostream& out, std::ostream& err);

// ExportCommand.cpp
int cmdExport(const Arguments& a, std::ostream& out, std::ostream& err);

} // namespace orthavel::cli
