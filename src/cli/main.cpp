#include "cli/CliCommands.h"

#include <QCoreApplication>

#include <iostream>

int main(int argc, char* argv[]) {
    // Without a display the tool draws into images and PDFs only.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    std::vector<std::string> args(argv + 1, argv + argc);
    std::ios::sync_with_stdio(false);
    const int status = orthavel::cli::runCli(args, std::cout, std::cerr);
    std::cout.flush();
    return status;
}
