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
        // The small dialog font the column positions were laid out for.
        QFont small = font();
        small.setPixelSize(11);
        setFont(small);
        // A column starts where its first heading does. Where this font draws a column's
        // longest text ("Fabled Lands & Beasts: 10") past the start of the next one, the
        // columns to its right move over, so no text runs into another.
        const QFontMetrics metrics(font());
        for (const auto& item : m_display.texts) {
            if (item.heading &&
                std::find(m_starts.begin(), m_starts.end(), item.x) == m_starts.end()) {
                m_starts.push_back(item.x);
            }
        }
        std::sort(m_starts.begin(), m_starts.end());
        std::vector<int> rights(m_starts.size(), 0);
        m_shifts.assign(m_starts.size(), 0);
        for (std::size_t column = 0; column < m_starts.size(); ++column) {
            if (column > 0) {
                m_shifts[column] = std::max(m_shifts[column - 1],
                                            rights[column - 1] + kColumnGap - m_starts[column]);
            }
            for (const auto& item : m_display.texts) {
                if (columnOf(item.x) == column) {
                    rights[column] = std::max(rights[column],
                                              item.x + m_shifts[column] +
                                                  metrics.horizontalAdvance(toQString(item.text)));
                }
            }
        }
        int bottom = 0;
        for (const auto& item : m_display.texts) {
            bottom = std::max(bottom, item.y + metrics.height());
        }
        const int right = rights.empty() ? 0 : *std::max_element(rights.begin(), rights.end());
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
            painter.drawText(item.x + m_shifts[columnOf(item.x)], item.y + ascent,
                             toQString(item.text));
        }
    }

private:
    static constexpr int kColumnGap = 10;

    // The column a text stands in: the last one that starts at or left of it.
    std::size_t columnOf(int x) const {
        const auto after = std::upper_bound(m_starts.begin(), m_starts.end(), x);
        return after == m_starts.begin() ? 0
                                         : static_cast<std::size_t>(after - m_starts.begin() - 1);
    }

    EmphasisDisplay m_display;
    std::vector<int> m_starts;
    std::vector<int> m_shifts;
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
