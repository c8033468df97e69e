#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace orthavel::cli {

// Exit statuses of the command-line tool.
enum Exit : int {
    ExitDone = 0,
    ExitFileError = 1,
    ExitUsage = 2,
    ExitScriptMismatch = 3,
};

// Runs the tool on its arguments (without the program name).
int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace orthavel::cli
