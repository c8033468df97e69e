#include "qtsheet/SheetFonts.h"

#include <QFontDatabase>
#include <QString>

static void initSheetQrc() {
    Q_INIT_RESOURCE(sheet);
}

namespace orthavel {

namespace {

struct FontSpec {
    const char* family;
    int pixelSize; // gives the cell height of the sheet's font
    bool bold;
};

// In the order of FontId: Times New Roman 20 semibold, Courier New 14, 16, 16 semibold, 12.
constexpr std::array<FontSpec, kFontCount> kFontSpecs{{
    {"Liberation Serif", 18, true},
    {"Liberation Mono", 12, false},
    {"Liberation Mono", 14, false},
    {"Liberation Mono", 14, true},
    {"Liberation Mono", 11, false},
}};

} // namespace

void initSheetResources() {
    static const bool done = [] {
        initSheetQrc();
        for (const char* file :
             {":/sheet/fonts/LiberationMono-Regular.ttf", ":/sheet/fonts/LiberationMono-Bold.ttf",
              ":/sheet/fonts/LiberationSerif-Bold.ttf"}) {
            QFontDatabase::addApplicationFont(QString::fromLatin1(file));
        }
        return true;
    }();
    (void)done;
}

SheetFonts::SheetFonts() {
    initSheetResources();
    for (std::size_t i = 0; i < m_fonts.size(); ++i) {
        const FontSpec& spec = kFontSpecs[i];
        QFont font(QString::fromLatin1(spec.family));
        font.setPixelSize(spec.pixelSize);
        font.setBold(spec.bold);
        font.setStyleHint(i == 0 ? QFont::Serif : QFont::TypeWriter);
        font.setKerning(false);
        m_fonts[i] = font;
    }
}

} // namespace orthavel
