#pragma once

#include "core/record/CharacterRecord.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

namespace orthavel {

// Why a character file could not be read.
enum class FileError {
    None,
    CannotOpen,    // the file could not be opened or read at all
    UnexpectedEnd, // the file ends before the last field
    TextTooLong,   // a text claims more bytes than the file has left
    BadTextPrefix, // a text's length prefix is not one of the known forms
    TextTooLarge,  // a text is longer than kMaxTextLength
};

// The longest text a character file may hold, in characters: far beyond any name or description
// a player writes, and a bound on what opening a file can make the program hold and draw.
inline constexpr std::uint32_t kMaxTextLength = 1U << 20;

struct LoadResult {
    FileError error = FileError::None;
    std::uint64_t offset = 0; // where reading stopped

    explicit operator bool() const { return error == FileError::None; }
};

// A short sentence naming the reason, for messages ("unexpected format" ...).
std::string describe(FileError error);

// Where the reader takes its bytes from. It always knows how many are left, so a length read
// from the file is checked before anything is allocated for it.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    virtual bool read(void* destination, std::size_t count) = 0;
    virtual std::uint64_t remaining() const = 0;
    virtual std::uint64_t position() const = 0;
};

// The one routine that walks the stored fields in file order, for storing and for loading.
class Archive;
void ArchiveRecord(Archive& archive, CharacterRecord& record);

// The character as the bytes of a character file.
std::string storeCharacter(const CharacterRecord& record);

// Reads a character from bytes into record. Only the stored fields are read; the working fields
// keep their values. On failure record holds whatever was read so far: callers read into a copy.
LoadResult loadCharacter(ByteSource& source, CharacterRecord& record);
LoadResult loadCharacter(std::span<const unsigned char> bytes, CharacterRecord& record);
LoadResult loadCharacterFile(const std::filesystem::path& path, CharacterRecord& record);

} // namespace orthavel
