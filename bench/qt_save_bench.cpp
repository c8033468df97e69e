// Saving as the program saves: the bytes written to a new file that replaces the old one only
// when it is complete.
#include "core/document/CQuorvelDoc.h"
#include "core/record/DerivedStats.h"
#include "qtcommon/CharacterFileIO.h"

#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void BM_SaveDocument(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("hero.ksc"));
    orthavel::CQuorvelDoc doc;
    orthavel::UpdateDerivedStats(doc.record());
    for (auto _ : state) {
        doc.SetModifiedFlag(true);
        if (orthavel::saveDocument(doc, path)) {
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
    (void)orthavel::saveDocument(doc, path);
    for (auto _ : state) {
        if (orthavel::openDocument(doc, path)) {
            state.SkipWithError("open failed");
            break;
        }
    }
}
BENCHMARK(BM_OpenDocument);

} // namespace
