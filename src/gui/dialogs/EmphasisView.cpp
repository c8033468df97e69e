// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/dialogs/EmphasisView.h"

#include "gui/dialogs/DialogLook.h"
#include "qtcommon/QtText.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <vector>

namespace orthavel {

namespace {

// The drawn columns: each text with its top-left corner at the place the layout gives it.
class EmphasisColumns : public QWidget {
public:
    EmphasisColumns(EmphasisDisplay display, QWidget* parent)
        : QWidget(parent), m_display(std::move(display)) {
        // The small dialog font the column positions were laid out for; where it draws a
        // column's longest text past the next column, the columns move apart.
        QFont small = font();
        small.setPixelSize(11);
        setFont(small);
        const QFontMetrics metrics(font());
        separateColumns(m_display, [&](std::string_view text) {
            return metrics.horizontalAdvance(toQString(text));
        });
        int right = 0;
        for (const auto& item : m_display.texts) {
            right = std::max(right, item.x + metrics.horizontalAdvance(toQString(item.text)));
        }
        int bottom = 0;
        for (const auto& item : m_display.texts) {
            bottom = std::max(bottom, item.y + metrics.height());
        }
        setFixedSize(right + 10, bottom + 10);
    }

protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        QPainter painter(this);
        const auto& rgb = EmphasisDisplay::kBackground;
        painter.fillRect(rect(), QColor(rgb[0], rgb[1], rgb[2]));
        painter.setPen(Qt::black);
        const int ascent = QFontMetrics(font()).ascent();
        for (const auto& item : m_display.texts) {
            painter.drawText(item.x, item.y + ascent, toQString(item.text));
        }
    }

private:
    EmphasisDisplay m_display;
};

} // namespace

EmphasisView::EmphasisView(EmphasisDisplay display, QWidget* parent) : QDialog(parent) {
    applyDialogLook(this);
    setWindowTitle(toQString(EmphasisDisplay::kTitle));
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setContentsMargins(0, 0, 10, 10);
    layout->addWidget(new EmphasisColumns(std::move(display), this));
    for (const auto line : EmphasisDisplay::kTextLines) {
        auto* label = new QLabel(toQString(line), this);
        label->setContentsMargins(10, 0, 0, 0);
        layout->addWidget(label);
    }
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addStretch();
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    fitToScreen(this);
}

} // namespace orthavel
