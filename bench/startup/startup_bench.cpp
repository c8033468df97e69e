// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up of orthavel against a bare Qt Widgets main window of the same shape, started the
// same way: each program is started N times, alternately, on the Qt platform given; the time is
// from starting the process to the program's report that its main window is on the screen
// (dynamic linking and everything before main() included). Prints both medians and the ratio.
//
//   startup_bench [--platform offscreen|xcb] [--runs N] [--program PATH] [--bare PATH]
//
// Both programs get a fresh, empty settings and cache folder, as a new user has; each is started
// once before the measured runs so the system's file cache holds both.
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

struct Sample {
    double wallMs = 0;   // process start to the report, as the driver sees it
    double insideMs = 0; // what the program itself reports (from the start of main)
};

// Starts program, waits for its report line on standard error, then for its end.
std::optional<Sample> startOnce(const std::string& program) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) {
        return std::nullopt;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDERR_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[1]);
    std::vector<char> name(program.begin(), program.end());
    name.push_back('\0');
    char* argv[] = {name.data(), nullptr};

    const Clock::time_point start = Clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, name.data(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    if (spawned != 0) {
        close(pipeEnds[0]);
        std::fprintf(stderr, "cannot start %s: %s\n", program.c_str(), std::strerror(spawned));
        return std::nullopt;
    }

    std::optional<Sample> sample;
    std::string output;
    char buffer[512];
    for (;;) {
        const ssize_t got = read(pipeEnds[0], buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            break;
        }
        output.append(buffer, static_cast<std::size_t>(got));
        const auto at = output.find("main window shown after ");
        if (!sample && at != std::string::npos && output.find('\n', at) != std::string::npos) {
            sample = Sample{std::chrono::duration<double, std::milli>(Clock::now() - start).count(),
                            std::atof(output.c_str() + at + 24)};
        }
    }
    close(pipeEnds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    if (!sample || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s did not report its window:\n%s\n", program.c_str(),
                     output.c_str());
        return std::nullopt;
    }
    return sample;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

fs::path besideMe(const char* argv0, const char* relative) {
    std::error_code ec;
    const fs::path self = fs::canonical("/proc/self/exe", ec);
    return (ec ? fs::path(argv0) : self).parent_path() / relative;
}

} // namespace

int main(int argc, char* argv[]) {
    std::string platform = "offscreen";
    int runs = 8;
    std::string program = ORTHAVEL_PROGRAM;
    std::string bare = besideMe(argv[0], "bare_window").string();
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        if (option == "--platform") {
            platform = argv[i + 1];
        } else if (option == "--runs") {
            runs = std::max(1, std::atoi(argv[i + 1]));
        } else if (option == "--program") {
            program = argv[i + 1];
        } else if (option == "--bare") {
            bare = argv[i + 1];
        } else {
            std::fprintf(stderr, "unknown option %s\n", option.c_str());
            return 2;
        }
    }
    if (platform == "xcb" && std::getenv("DISPLAY") == nullptr) {
        std::fprintf(stderr, "--platform xcb needs DISPLAY (for example Xvfb :97)\n");
        return 2;
    }

    // A new user: no settings, no caches. One folder for the whole run.
    char pattern[] = "/tmp/orthavel-startup-XXXXXX";
    const char* home = mkdtemp(pattern);
    if (home == nullptr) {
        std::perror("mkdtemp");
        return 1;
    }
    const fs::path root(home);
    for (const char* sub : {"config", "cache", "data", "runtime"}) {
        fs::create_directory(root / sub);
    }
    fs::permissions(root / "runtime", fs::perms::owner_all);
    setenv("XDG_CONFIG_HOME", (root / "config").c_str(), 1);
    setenv("XDG_CACHE_HOME", (root / "cache").c_str(), 1);
    setenv("XDG_DATA_HOME", (root / "data").c_str(), 1);
    setenv("XDG_RUNTIME_DIR", (root / "runtime").c_str(), 1);
    setenv("QT_QPA_PLATFORM", platform.c_str(), 1);
    setenv("ORTHAVEL_QUIT_AFTER_SHOW", "1", 1);

    std::vector<Sample> programSamples;
    std::vector<Sample> bareSamples;
    bool failed = !startOnce(bare) || !startOnce(program); // warm-up, not counted
    for (int i = 0; i < runs && !failed; ++i) {
        // Alternate which one goes first, so neither always follows the other.
        const bool bareFirst = i % 2 == 0;
        for (int k = 0; k < 2 && !failed; ++k) {
            const bool isBare = (k == 0) == bareFirst;
            if (const auto sample = startOnce(isBare ? bare : program)) {
                (isBare ? bareSamples : programSamples).push_back(*sample);
            } else {
                failed = true;
            }
        }
    }
    std::error_code ec;
    fs::remove_all(root, ec);
    if (failed) {
        return 1;
    }

    const auto medianOf = [](const std::vector<Sample>& samples, double Sample::*field) {
        std::vector<double> values;
        for (const Sample& s : samples) {
            values.push_back(s.*field);
        }
        return median(values);
    };
    const double programMs = medianOf(programSamples, &Sample::wallMs);
    const double bareMs = medianOf(bareSamples, &Sample::wallMs);
    std::printf("start-up to a shown main window, platform %s, median of %d alternated runs\n",
                platform.c_str(), runs);
    std::printf("  bare Qt window  %7.1f ms  (from main: %5.1f ms)\n", bareMs,
                medianOf(bareSamples, &Sample::insideMs));
    std::printf("  orthavel        %7.1f ms  (from main: %5.1f ms)\n", programMs,
                medianOf(programSamples, &Sample::insideMs));
    std::printf("  ratio           %7.2f\n", programMs / bareMs);
    return 0;
}
