// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Saving as the program saves: the bytes written to a new file that replaces the old one only
// when it is complete.
#include "core/document/CQuorvelDoc.h"
#include "core/record/DerivedStats.h"
#include "qtcommon/CharacterFileIO.h"

#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

std::optional<QString> save(orthavel::CQuorvelDoc& doc, const QString& path) {
    return orthavel::saveCharacterFile(
        path, doc.SaveBytes(),
        [&doc](const std::filesystem::path& file) { doc.OnDocumentSaved(file); });
}

void BM_SaveDocument(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("hero.ksc"));
    orthavel::CQuorvelDoc doc;
    orthavel::UpdateDerivedStats(doc.record());
    for (auto _ : state) {
        doc.SetModifiedFlag(true);
        if (save(doc, path)) {
            state.SkipWithError("save failed");
            break;
        }
    }
}
BENCHMARK(BM_SaveDocument);

void BM_OpenDocument(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("hero.ksc"));
    orthavel::CQuorvelDoc doc;
    (void)save(doc, path);
    for (auto _ : state) {
        if (orthavel::openCharacterFile(path, [&doc](const std::filesystem::path& file) {
                return doc.OnOpenDocument(file);
            })) {
            state.SkipWithError("open failed");
            break;
        }
    }
}
BENCHMARK(BM_OpenDocument);

} // namespace
