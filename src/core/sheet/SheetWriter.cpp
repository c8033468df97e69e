#include "core/sheet/SheetWriter.h"

#include "core/record/Format.h"

namespace orthavel {

std::string intText(std::int32_t value) {
    return std::to_string(value);
}

std::string withInt(std::string_view pattern, std::int32_t value) {
    return formatInts(pattern, {value});
}

std::string concat(std::initializer_list<std::string_view> pieces) {
    std::string out;
    for (const std::string_view piece : pieces) {
        out.append(piece);
    }
    return out;
}

std::string pairText(std::int32_t first, std::int32_t second) {
    return concat({intText(first), "/", intText(second)});
}

SheetWriter::SheetWriter(DisplayList& list, const TextMetrics& metrics, int sheetWidth)
    : m_list(list), m_metrics(metrics), m_sheetWidth(sheetWidth) {}

void SheetWriter::setColors(Rgb text, Rgb background) {
    m_textColor = text;
    m_background = background;
}

void SheetWriter::put(int x, int y, std::string_view text, Align align, int anchor) {
    if (text.empty()) {
        return;
    }
    m_list.add(TextItem{m_font, x, y, std::string(text), align, anchor, m_textColor, m_background});
}

void SheetWriter::text(int x, int y, std::string_view text) {
    put(x, y, text, Align::Left, x);
}

void SheetWriter::rightAligned(int end, int y, std::string_view text) {
    put(end - width(text), y, text, Align::Right, end);
}

void SheetWriter::centred(int y, std::string_view text) {
    const int middle = m_sheetWidth / 2;
    put(middle - width(text) / 2, y, text, Align::Centre, middle);
}

void SheetWriter::labelValue(int x, int y, std::string_view label, std::string_view value) {
    text(x, y, label);
    text(x + width(label), y, value);
}

void SheetWriter::line(int x1, int y1, int x2, int y2) {
    m_list.add(LineItem{x1, y1, x2, y2});
}

void SheetWriter::frame(int left, int top, int right, int bottom) {
    line(left, top, right, top);
    line(right, top, right, bottom);
    line(right, bottom, left, bottom);
    line(left, bottom, left, top);
}

void SheetWriter::fill(int x, int y, int width, int height, Rgb color) {
    m_list.add(FillItem{x, y, width, height, color});
}

void SheetWriter::picture(PictureId id, int x, int y, PictureMode mode) {
    m_list.add(PictureItem{id, x, y, mode});
}

} // namespace orthavel
