#pragma once

#include <QString>

#include <filesystem>
#include <optional>

namespace orthavel {

class CQuorvelDoc;
struct CharacterRecord;

// Saves the document's character to path. The old file is replaced only once the new one is
// complete, so a failed save leaves it intact. On success the document is named after path and
// unmodified; on failure it is left as it was and the answer says why.
std::optional<QString> saveDocument(CQuorvelDoc& document, const QString& path);

// Opens path into the document; on failure the open character stays untouched and the answer is
// a sentence that names the file and the reason.
std::optional<QString> openDocument(CQuorvelDoc& document, const QString& path);

// Reads the character of path into record as it is stored (no page switch); on failure record
// stays untouched and the answer says why, as openDocument does.
std::optional<QString> readCharacter(const QString& path, CharacterRecord& record);

// The path of a QString as the core's file functions take it.
std::filesystem::path toPath(const QString& path);

} // namespace orthavel
