// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qtsheet/SheetFonts.h"

#include <QFontDatabase>
#include <QResource>
#include <QString>
#include <QStringList>

static void initSheetQrc() {
    Q_INIT_RESOURCE(sheet);
}

namespace orthavel {

namespace {

struct FontSpec {
    const char* family;
    int pixelSize; // gives the cell height of the sheet's font
    bool bold;
    const char* failure;
};

// In the order of FontId: Times New Roman 20 semibold, Courier New 14, 16, 16 semibold, 12.
constexpr std::array<FontSpec, kFontCount> kFontSpecs{{
    {"Liberation Serif", 18, true, "Could not create m_CenturyGothic Font"},
    {"Liberation Mono", 12, false, "Could not create m_CourierNew Font"},
    {"Liberation Mono", 14, false, "Could not create m_CourierPrint Font"},
    {"Liberation Mono", 14, true, "Could not create m_CourierBold Font"},
    {"Liberation Mono", 11, false, "Could not create m_CourierSmall Font"},
}};

// The order the fonts are created in.
constexpr std::array<FontId, kFontCount> kCreationOrder{FontId::CourierPrint, FontId::CourierBold,
                                                        FontId::CourierNew, FontId::CourierSmall,
                                                        FontId::CenturyGothic};

// The families of the bundled fonts that could be registered.
QStringList& registeredFamilies() {
    static QStringList families;
    return families;
}

} // namespace

void initSheetResources() {
    static const bool done = [] {
        initSheetQrc();
        for (const char* file :
             {":/sheet/fonts/LiberationMono-Regular.ttf", ":/sheet/fonts/LiberationMono-Bold.ttf",
              ":/sheet/fonts/LiberationSerif-Bold.ttf"}) {
            // Registered from the resource's own bytes, stored uncompressed: no copy of the three
            // fonts (1 MB) at every start.
            const QResource font(QString::fromLatin1(file));
            const int id = font.compressionAlgorithm() == QResource::NoCompression
                               ? QFontDatabase::addApplicationFontFromData(QByteArray::fromRawData(
                                     reinterpret_cast<const char*>(font.data()), font.size()))
                               : QFontDatabase::addApplicationFont(QString::fromLatin1(file));
            if (id >= 0) {
                registeredFamilies() += QFontDatabase::applicationFontFamilies(id);
            }
        }
        return true;
    }();
    (void)done;
}

SheetFonts::SheetFonts() {
    initSheetResources();
    for (std::size_t i = 0; i < m_fonts.size(); ++i) {
        const FontSpec& face = kFontSpecs[i];
        QFont font(QString::fromLatin1(face.family));
        font.setPixelSize(face.pixelSize);
        font.setBold(face.bold);
        font.setStyleHint(i == 0 ? QFont::Serif : QFont::TypeWriter);
        font.setKerning(false);
        m_fonts[i] = font;
    }
}

std::vector<std::string> SheetFonts::failures() const {
    std::vector<std::string> messages;
    // A font is had when its family is in the font database: a bundled one that registered, or
    // one installed on the system. Asking the database, not the matched font, spares loading
    // five fonts while the program starts.
    for (const FontId id : kCreationOrder) {
        const auto i = static_cast<std::size_t>(id);
        const QString family = QString::fromLatin1(kFontSpecs[i].family);
        if (!registeredFamilies().contains(family) && !QFontDatabase::hasFamily(family)) {
            messages.emplace_back(kFontSpecs[i].failure);
        }
    }
    return messages;
}

} // namespace orthavel
