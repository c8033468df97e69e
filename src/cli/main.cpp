// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/CommandLine.h"

#include <QCoreApplication>

#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <iostream>
#include <streambuf>

namespace {

// Standard output that keeps the reason of a write that failed (a full disk, a closed pipe), so
// the tool can end with it instead of reporting success.
class StdoutBuffer final : public std::streambuf {
public:
    StdoutBuffer() { setp(m_buffer.data(), m_buffer.data() + m_buffer.size()); }
    int error() const { return m_error; }

protected:
    int_type overflow(int_type c) override {
        if (!drain()) {
            return traits_type::eof();
        }
        if (!traits_type::eq_int_type(c, traits_type::eof())) {
            *pptr() = traits_type::to_char_type(c);
            pbump(1);
        }
        return traits_type::not_eof(c);
    }
    int sync() override { return drain() ? 0 : -1; }

private:
    bool drain() {
        for (const char* next = pbase(); next < pptr() && m_error == 0;) {
            const ssize_t written =
                ::write(STDOUT_FILENO, next, static_cast<size_t>(pptr() - next));
            if (written >= 0) {
                next += written;
            } else if (errno != EINTR) {
                m_error = errno;
            }
        }
        setp(m_buffer.data(), m_buffer.data() + m_buffer.size());
        return m_error == 0;
    }

    std::array<char, 1 << 16> m_buffer{};
    int m_error = 0;
};

// The tool reports each failure itself, in one line naming the file and the reason; Qt's own
// remarks about its surroundings (no runtime folder, a painter that could not start) would only
// bury that line. Critical and fatal messages still reach stderr.
void quietQtMessages(QtMsgType type, const QMessageLogContext& /*context*/,
                     const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::cerr << message.toLocal8Bit().constData() << '\n';
    }
}

} // namespace

int main(int argc, char* argv[]) {
    qInstallMessageHandler(quietQtMessages);
    // Without a display the tool draws into images and PDFs only.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    std::vector<std::string> args(argv + 1, argv + argc);
    StdoutBuffer buffer;
    std::ostream out(&buffer);
    const int status = orthavel::cli::runCli(args, out, std::cerr);
    out.flush();
    // A dump or a transcript that did not reach its destination is a failed command.
    if (buffer.error() != 0) {
        std::cerr << "orthavel-cli: cannot write the output: " << std::strerror(buffer.error())
                  << '\n';
        return orthavel::cli::ExitFileError;
    }
    return status;
}
