// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/sheet/DisplayList.h"

#include <algorithm>

namespace orthavel {

std::vector<TextItem> DisplayList::texts() const {
    std::vector<TextItem> out;
    for (const auto& item : m_items) {
        if (const auto* text = std::get_if<TextItem>(&item)) {
            out.push_back(*text);
        }
    }
    return out;
}

std::vector<LineItem> DisplayList::lines() const {
    std::vector<LineItem> out;
    for (const auto& item : m_items) {
        if (const auto* line = std::get_if<LineItem>(&item)) {
            out.push_back(*line);
        }
    }
    return out;
}

DisplayList::Extent DisplayList::extent(const TextMetrics& metrics) const {
    Extent e;
    const auto grow = [&e](int right, int bottom) {
        e.width = std::max(e.width, right);
        e.height = std::max(e.height, bottom);
    };
    for (const auto& item : m_items) {
        if (const auto* t = std::get_if<TextItem>(&item)) {
            const int width =
                t->narrowedTo > 0 ? t->narrowedTo : metrics.textWidth(t->font, t->text);
            grow(t->x + width, t->y + metrics.textHeight(t->font));
        } else if (const auto* l = std::get_if<LineItem>(&item)) {
            grow(std::max(l->x1, l->x2) + 1, std::max(l->y1, l->y2) + 1);
        } else if (const auto* f = std::get_if<FillItem>(&item)) {
            grow(f->x + f->width, f->y + f->height);
        } else if (const auto* p = std::get_if<PictureItem>(&item)) {
            const PictureSize size = pictureSize(p->id);
            grow(p->x + size.width, p->y + size.height);
        }
    }
    return e;
}

} // namespace orthavel
