// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/document/CQuorvelDoc.h"
#include "core/record/CharacterRecord.h"

#include <QGuiApplication>

#include <memory>
#include <ostream>
#include <string>

// Reading and writing characters for the subcommands: a failure is named in one line on err and
// answered as ExitFileError; success is ExitDone.
namespace orthavel::cli {

// Opens the file as File > Open does.
int openOrFail(CQuorvelDoc& doc, const std::string& path, std::ostream& err);
// Saves the character once everything printed before has reached standard output: a command that
// fails changes nothing, so output that cannot be written leaves the file as it was.
int saveOrFail(CQuorvelDoc& doc, const std::string& path, std::ostream& out, std::ostream& err);
int readOrFail(CharacterRecord& record, const std::string& path, std::ostream& err);
// The record as dump prints it.
void printRecord(const CharacterRecord& record, std::ostream& out);

// Drawing and laying out text need a GUI application (fonts); the tool makes one only for the
// commands that draw, and ends it before returning. Nothing when one is running already.
std::unique_ptr<QGuiApplication> makeGuiApplication();

} // namespace orthavel::cli
