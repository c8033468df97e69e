// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/record/CharacterFile.h"

#include "core/record/Cp1252.h"
#include "core/record/StoredFields.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <fstream>
#include <type_traits>
#include <utility>

namespace orthavel {

static_assert(sizeof(float) == 4 && std::numeric_limits<float>::is_iec559,
              "the file stores IEEE single-precision floats");

std::string describe(FileError error) {
    switch (error) {
    case FileError::None:
        return "no error";
    case FileError::CannotOpen:
        return "the file cannot be read";
    case FileError::UnexpectedEnd:
        return "unexpected format: the file ends too early";
    case FileError::TextTooLong:
        return "unexpected format: a text is longer than the rest of the file";
    case FileError::BadTextPrefix:
        return "unexpected format: a text has an unknown length prefix";
    case FileError::TextTooLarge:
        return "unexpected format: a text is longer than 1 MiB";
    }
    return "unexpected format";
}

namespace {

// Text lengths: one byte below 255, else 0xFF and 16 bits below 0xFFFE, else 0xFF 0xFFFF and 32
// bits. 0xFF 0xFFFE announces a text of 16-bit characters.
constexpr unsigned kByteLengthLimit = 0xFF;
constexpr std::uint16_t kWideMarker = 0xFFFE;
constexpr std::uint16_t kLongMarker = 0xFFFF;

std::size_t lengthPrefixSize(std::uint64_t length) {
    return length < kByteLengthLimit ? 1 : length < kWideMarker ? 3 : 7;
}

// The one routine that walks the stored fields in file order, for sizing, storing and loading.
// Archive::kLoading tells which; a loaded record is not const.
template <typename Archive, typename Record> void walkRecord(Archive& ar, Record& r) {
    forEachStoredField(r, [&](std::string_view /*name*/, auto& field) {
        if constexpr (std::is_same_v<std::remove_cvref_t<decltype(field)>, EmphasisArray>) {
            for (int i = 0; i < kNeuonianEmphasis; ++i) {
                ar.io(field[static_cast<std::size_t>(i)]);
            }
        } else {
            ar.io(field);
        }
    });
    // Only Neuonians store their cultural emphasis; the race is the one just read or written.
    if (r.m_nRace == kRaceNeuonian) {
        ar.io(r.m_aEmphasis[kNeuonianEmphasis]);
    } else if constexpr (Archive::kLoading) {
        // A Kessari file has none: no value of the previous character may stay behind.
        r.m_aEmphasis[kNeuonianEmphasis] = 0;
    }
}

// Counts the bytes of a walk over the record: four for every number, and what textBytes says
// for every text.
template <std::uint64_t (*textBytes)(const Text&)> class ByteCounter {
public:
    static constexpr bool kLoading = false;
    void io(const std::int32_t& /*value*/) { m_bytes += 4; }
    void io(const float& /*value*/) { m_bytes += 4; }
    template <std::size_t N> void io(const std::array<std::int32_t, N>& /*values*/) {
        m_bytes += 4 * N;
    }
    void io(const Text& text) { m_bytes += textBytes(text); }
    std::uint64_t bytes() const { return m_bytes; }

private:
    std::uint64_t m_bytes = 0;
};

// How many bytes storing a text takes.
std::uint64_t storedTextBytes(const Text& text) {
    return lengthPrefixSize(text.size()) + text.size();
}

// The most bytes reading a text can use: 16-bit characters at its longest, behind the longest
// prefix.
std::uint64_t mostTextBytesRead(const Text& /*text*/) {
    return 3 + 7 + 2 * std::uint64_t{kMaxTextLength};
}

using Sizer = ByteCounter<storedTextBytes>;
using MostRead = ByteCounter<mostTextBytesRead>;

std::uint64_t mostBytesRead() {
    static const std::uint64_t most = [] {
        CharacterRecord neuonian;
        neuonian.m_nRace = kRaceNeuonian;
        MostRead count;
        walkRecord(count, std::as_const(neuonian));
        return count.bytes();
    }();
    return most;
}

// Writes into a buffer sized beforehand (Sizer).
class Writer {
public:
    static constexpr bool kLoading = false;
    explicit Writer(char* out) : m_out(out) {}

    void io(const std::int32_t& value) { putU32(static_cast<std::uint32_t>(value)); }
    void io(const float& value) { putU32(std::bit_cast<std::uint32_t>(value)); }
    template <std::size_t N> void io(const std::array<std::int32_t, N>& values) {
        if constexpr (std::endian::native == std::endian::little) {
            std::memcpy(m_out, values.data(), 4 * N);
            m_out += 4 * N;
        } else {
            for (const std::int32_t value : values) {
                io(value);
            }
        }
    }
    void io(const Text& text) {
        const std::uint64_t length = text.size();
        if (length < kByteLengthLimit) {
            putByte(static_cast<unsigned char>(length));
        } else if (length < kWideMarker) {
            putByte(0xFF);
            putU16(static_cast<std::uint16_t>(length));
        } else {
            putByte(0xFF);
            putU16(kLongMarker);
            putU32(static_cast<std::uint32_t>(length));
        }
        if (!text.empty()) {
            std::memcpy(m_out, text.data(), text.size());
            m_out += text.size();
        }
    }

private:
    void putByte(unsigned char byte) { *m_out++ = static_cast<char>(byte); }
    void putU16(std::uint16_t v) {
        putByte(static_cast<unsigned char>(v & 0xFF));
        putByte(static_cast<unsigned char>(v >> 8));
    }
    void putU32(std::uint32_t v) {
        for (int i = 0; i < 4; ++i) {
            putByte(static_cast<unsigned char>((v >> (8 * i)) & 0xFF));
        }
    }

    char* m_out;
};

// Reads from the bytes of a file whose size is given: a file may be longer than what was read of
// it (reading stops at what a character can use), and it is the file's size that tells whether a
// text fits. Reading past the end fails and leaves the position at the end; after the first
// failure nothing more is read.
class Reader {
public:
    static constexpr bool kLoading = true;
    Reader(std::span<const unsigned char> bytes, std::uint64_t size)
        : m_bytes(bytes), m_size(size) {}

    FileError error() const { return m_error; }
    std::uint64_t position() const { return m_pos; }

    void io(std::int32_t& value) {
        if (std::uint32_t raw = 0; getU32(raw)) {
            value = static_cast<std::int32_t>(raw);
        }
    }
    void io(float& value) {
        if (std::uint32_t raw = 0; getU32(raw)) {
            value = std::bit_cast<float>(raw);
        }
    }
    template <std::size_t N> void io(std::array<std::int32_t, N>& values) {
        if constexpr (std::endian::native == std::endian::little) {
            if (m_error == FileError::None && 4 * N <= available()) {
                std::memcpy(values.data(), m_bytes.data() + m_pos, 4 * N);
                m_pos += 4 * N;
                return;
            }
        }
        // One by one, so a file that ends inside the array leaves what it holds.
        for (auto& value : values) {
            io(value);
        }
    }
    void io(Text& text) {
        std::uint32_t length = 0;
        bool wide = false;
        if (!getLength(length, wide, true)) {
            return;
        }
        const std::uint64_t bytes = wide ? std::uint64_t{length} * 2 : length;
        if (bytes > m_size - m_pos) {
            fail(FileError::TextTooLong);
            return;
        }
        if (length > kMaxTextLength) {
            fail(FileError::TextTooLarge);
            return;
        }
        if (bytes == 0) {
            text.clear();
            return;
        }
        const unsigned char* start = take(static_cast<std::size_t>(bytes));
        if (start == nullptr) {
            return;
        }
        const auto* chars = reinterpret_cast<const char*>(start);
        if (wide) {
            text = narrowUtf16(std::string_view(chars, static_cast<std::size_t>(bytes)));
        } else {
            text.assign(chars, static_cast<std::size_t>(bytes));
        }
    }

private:
    std::uint64_t available() const { return m_bytes.size() - m_pos; }

    bool fail(FileError error) {
        if (m_error == FileError::None) {
            m_error = error;
        }
        return false;
    }

    // The next count bytes, or nothing when they are not there.
    const unsigned char* take(std::size_t count) {
        if (m_error != FileError::None) {
            return nullptr;
        }
        if (count > m_size - m_pos || count > available()) {
            m_pos = m_size;
            fail(FileError::UnexpectedEnd);
            return nullptr;
        }
        const unsigned char* start = m_bytes.data() + m_pos;
        m_pos += count;
        return start;
    }
    bool getU32(std::uint32_t& v) {
        const unsigned char* b = take(4);
        if (b == nullptr) {
            return false;
        }
        v = static_cast<std::uint32_t>(b[0]) | (static_cast<std::uint32_t>(b[1]) << 8) |
            (static_cast<std::uint32_t>(b[2]) << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
        return true;
    }
    bool getU16(std::uint16_t& v) {
        const unsigned char* b = take(2);
        if (b == nullptr) {
            return false;
        }
        v = static_cast<std::uint16_t>(b[0] | (b[1] << 8));
        return true;
    }

    // Reads a length prefix. wide tells whether it announced 16-bit characters.
    bool getLength(std::uint32_t& length, bool& wide, bool allowWide) {
        const unsigned char* first = take(1);
        if (first == nullptr) {
            return false;
        }
        if (*first < kByteLengthLimit) {
            length = *first;
            return true;
        }
        std::uint16_t second = 0;
        if (!getU16(second)) {
            return false;
        }
        if (second < kWideMarker) {
            length = second;
            return true;
        }
        if (second == kLongMarker) {
            return getU32(length);
        }
        if (!allowWide) {
            return fail(FileError::BadTextPrefix);
        }
        wide = true;
        bool nestedWide = false;
        return getLength(length, nestedWide, false);
    }

    // 16-bit little-endian characters to the 8-bit code page; what it cannot hold becomes '?'.
    static Text narrowUtf16(std::string_view raw) {
        Text out;
        out.reserve(raw.size() / 2);
        for (std::size_t i = 0; i + 1 < raw.size(); i += 2) {
            char32_t unit = static_cast<unsigned char>(raw[i]) |
                            (static_cast<char32_t>(static_cast<unsigned char>(raw[i + 1])) << 8);
            if (unit >= 0xD800 && unit < 0xDC00 && i + 3 < raw.size()) {
                const char32_t low =
                    static_cast<unsigned char>(raw[i + 2]) |
                    (static_cast<char32_t>(static_cast<unsigned char>(raw[i + 3])) << 8);
                if (low >= 0xDC00 && low < 0xE000) {
                    unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
                    i += 2;
                }
            }
            const auto byte = codePointToCp1252(unit);
            out.push_back(byte ? static_cast<char>(*byte) : '?');
        }
        return out;
    }

    std::span<const unsigned char> m_bytes;
    std::uint64_t m_size;
    std::uint64_t m_pos = 0;
    FileError m_error = FileError::None;
};

LoadResult load(std::span<const unsigned char> bytes, std::uint64_t size, CharacterRecord& record) {
    Reader reader(bytes, size);
    walkRecord(reader, record);
    return {reader.error(), reader.position()};
}

} // namespace

std::string characterFileName(const CharacterRecord& record, std::string_view extension) {
    std::string name;
    for (const char c : cp1252ToUtf8(record.m_strName)) {
        const bool refused = std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos ||
                             static_cast<unsigned char>(c) < 0x20;
        name += refused ? ' ' : c;
    }
    // File systems take names of up to 255 bytes: a longer name is cut, on a character's start.
    const std::size_t mostBytes = 255 - extension.size();
    if (name.size() > mostBytes) {
        std::size_t end = mostBytes;
        while (end > 0 && (static_cast<unsigned char>(name[end]) & 0xC0) == 0x80) {
            --end;
        }
        name.resize(end);
    }
    const auto first = name.find_first_not_of(" .");
    const auto last = name.find_last_not_of(" .");
    name = first == std::string::npos ? "Untitled" : name.substr(first, last - first + 1);
    return name + std::string(extension);
}

std::string storeCharacter(const CharacterRecord& record) {
    Sizer sizer;
    walkRecord(sizer, record);
    std::string out(static_cast<std::size_t>(sizer.bytes()), '\0');
    Writer writer(out.data());
    walkRecord(writer, record);
    return out;
}

LoadResult loadCharacter(std::span<const unsigned char> bytes, CharacterRecord& record) {
    return load(bytes, bytes.size(), record);
}

LoadResult loadCharacterFile(const std::filesystem::path& path, CharacterRecord& record) {
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(path, ec);
    std::ifstream in;
    // Unbuffered: the one read below goes straight into the buffer.
    in.rdbuf()->pubsetbuf(nullptr, 0);
    in.open(path, std::ios::binary);
    if (ec || !in) {
        return {FileError::CannotOpen, 0};
    }
    std::string bytes(static_cast<std::size_t>(std::min<std::uint64_t>(size, mostBytesRead())),
                      '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return load(std::span(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()), size,
                record);
}

} // namespace orthavel
