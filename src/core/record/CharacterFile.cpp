#include "core/record/CharacterFile.h"

#include "core/record/Cp1252.h"
#include "core/record/StoredFields.h"

#include <bit>
#include <cstring>
#include <fstream>

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
    }
    return "unexpected format";
}

namespace {

class SpanSource final : public ByteSource {
public:
    explicit SpanSource(std::span<const unsigned char> bytes) : m_bytes(bytes) {}
    bool read(void* destination, std::size_t count) override {
        if (count > m_bytes.size() - m_pos) {
            m_pos = m_bytes.size();
            return false;
        }
        if (count > 0) {
            std::memcpy(destination, m_bytes.data() + m_pos, count);
        }
        m_pos += count;
        return true;
    }
    std::uint64_t remaining() const override { return m_bytes.size() - m_pos; }
    std::uint64_t position() const override { return m_pos; }

private:
    std::span<const unsigned char> m_bytes;
    std::size_t m_pos = 0;
};

class StreamSource final : public ByteSource {
public:
    StreamSource(std::istream& in, std::uint64_t size) : m_in(in), m_size(size) {}
    bool read(void* destination, std::size_t count) override {
        if (count > remaining()) {
            m_pos = m_size;
            return false;
        }
        m_in.read(static_cast<char*>(destination), static_cast<std::streamsize>(count));
        if (static_cast<std::size_t>(m_in.gcount()) != count) {
            m_pos = m_size;
            return false;
        }
        m_pos += count;
        return true;
    }
    std::uint64_t remaining() const override { return m_size - m_pos; }
    std::uint64_t position() const override { return m_pos; }

private:
    std::istream& m_in;
    std::uint64_t m_size;
    std::uint64_t m_pos = 0;
};

// Text lengths: one byte below 255, else 0xFF and 16 bits below 0xFFFE, else 0xFF 0xFFFF and 32
// bits. 0xFF 0xFFFE announces a text of 16-bit characters.
constexpr unsigned kByteLengthLimit = 0xFF;
constexpr std::uint16_t kWideMarker = 0xFFFE;
constexpr std::uint16_t kLongMarker = 0xFFFF;

} // namespace

class Archive {
public:
    explicit Archive(std::string& out) : m_out(&out) {}
    explicit Archive(ByteSource& in) : m_in(&in) {}

    bool isStoring() const { return m_out != nullptr; }
    FileError error() const { return m_error; }

    void io(std::int32_t& value) {
        if (isStoring()) {
            putU32(static_cast<std::uint32_t>(value));
        } else if (std::uint32_t raw = 0; getU32(raw)) {
            value = static_cast<std::int32_t>(raw);
        }
    }

    void io(float& value) {
        if (isStoring()) {
            putU32(std::bit_cast<std::uint32_t>(value));
        } else if (std::uint32_t raw = 0; getU32(raw)) {
            value = std::bit_cast<float>(raw);
        }
    }

    template <std::size_t N> void io(std::array<std::int32_t, N>& values) {
        for (auto& v : values) {
            io(v);
        }
    }

    void io(Text& text) {
        if (isStoring()) {
            putText(text);
        } else {
            getText(text);
        }
    }

private:
    void putU32(std::uint32_t v) {
        for (int i = 0; i < 4; ++i) {
            m_out->push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
        }
    }
    void putU16(std::uint16_t v) {
        m_out->push_back(static_cast<char>(v & 0xFF));
        m_out->push_back(static_cast<char>(v >> 8));
    }

    void putText(const Text& text) {
        const std::uint64_t length = text.size();
        if (length < kByteLengthLimit) {
            m_out->push_back(static_cast<char>(length));
        } else if (length < kWideMarker) {
            m_out->push_back(static_cast<char>(0xFF));
            putU16(static_cast<std::uint16_t>(length));
        } else {
            m_out->push_back(static_cast<char>(0xFF));
            putU16(kLongMarker);
            putU32(static_cast<std::uint32_t>(length));
        }
        m_out->append(text);
    }

    bool fail(FileError error) {
        if (m_error == FileError::None) {
            m_error = error;
        }
        return false;
    }

    bool getBytes(void* destination, std::size_t count) {
        if (m_error != FileError::None) {
            return false;
        }
        if (!m_in->read(destination, count)) {
            return fail(FileError::UnexpectedEnd);
        }
        return true;
    }
    bool getU32(std::uint32_t& v) {
        unsigned char b[4];
        if (!getBytes(b, 4)) {
            return false;
        }
        v = static_cast<std::uint32_t>(b[0]) | (static_cast<std::uint32_t>(b[1]) << 8) |
            (static_cast<std::uint32_t>(b[2]) << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
        return true;
    }
    bool getU16(std::uint16_t& v) {
        unsigned char b[2];
        if (!getBytes(b, 2)) {
            return false;
        }
        v = static_cast<std::uint16_t>(b[0] | (b[1] << 8));
        return true;
    }

    // Reads a length prefix. wide tells whether it announced 16-bit characters.
    bool getLength(std::uint32_t& length, bool& wide, bool allowWide) {
        unsigned char first = 0;
        if (!getBytes(&first, 1)) {
            return false;
        }
        if (first < kByteLengthLimit) {
            length = first;
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

    void getText(Text& text) {
        std::uint32_t length = 0;
        bool wide = false;
        if (!getLength(length, wide, true)) {
            return;
        }
        const std::uint64_t bytes = wide ? std::uint64_t{length} * 2 : length;
        if (bytes > m_in->remaining()) {
            fail(FileError::TextTooLong);
            return;
        }
        std::string raw(static_cast<std::size_t>(bytes), '\0');
        if (!getBytes(raw.data(), raw.size())) {
            return;
        }
        text = wide ? narrowUtf16(raw) : std::move(raw);
    }

    // 16-bit little-endian characters to the 8-bit code page; what it cannot hold becomes '?'.
    static Text narrowUtf16(const std::string& raw) {
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

    std::string* m_out = nullptr;
    ByteSource* m_in = nullptr;
    FileError m_error = FileError::None;
};

void ArchiveRecord(Archive& ar, CharacterRecord& r) {
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
    } else if (!ar.isStoring()) {
        // A Kessari file has none: no value of the previous character may stay behind.
        r.m_aEmphasis[kNeuonianEmphasis] = 0;
    }
}

std::string storeCharacter(const CharacterRecord& record) {
    std::string out;
    out.reserve(2400);
    Archive ar(out);
    // The routine is shared with loading, which is why it takes a mutable record.
    CharacterRecord copy = record;
    ArchiveRecord(ar, copy);
    return out;
}

LoadResult loadCharacter(ByteSource& source, CharacterRecord& record) {
    Archive ar(source);
    ArchiveRecord(ar, record);
    return {ar.error(), source.position()};
}

LoadResult loadCharacter(std::span<const unsigned char> bytes, CharacterRecord& record) {
    SpanSource source(bytes);
    return loadCharacter(source, record);
}

LoadResult loadCharacterFile(const std::filesystem::path& path, CharacterRecord& record) {
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(path, ec);
    std::ifstream in(path, std::ios::binary);
    if (ec || !in) {
        return {FileError::CannotOpen, 0};
    }
    StreamSource source(in, size);
    return loadCharacter(source, record);
}

} // namespace orthavel
