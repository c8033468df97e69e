#include "gui/dialogs/DialogLook.h"

#include <QBoxLayout>
#include <QSpacerItem>

#include <QColor>
#include <QLabel>
#include <QLayout>
#include <QPalette>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QString>
#include <QVBoxLayout>
#include <QWidget>

namespace orthavel {

void reserveTitleWidth(QWidget* dialog, QBoxLayout* layout) {
    // Room for the title in the dialog's own font, and for the title bar's icon and buttons.
    constexpr int kTitleBarExtras = 96;
    const int width =
        dialog->fontMetrics().horizontalAdvance(dialog->windowTitle()) + kTitleBarExtras;
    layout->addSpacerItem(new QSpacerItem(width, 0, QSizePolicy::Fixed, QSizePolicy::Minimum));
}

namespace {

// What the window manager's frame and title bar take around a dialog, at most.
constexpr int kFrameWidth = 16;
constexpr int kFrameHeight = 48;

// The name of the widget that holds the contents of a dialog fitted to a small screen.
constexpr char kFittedBody[] = "fittedBody";

} // namespace

void applyDialogLook(QWidget* dialog) {
    QPalette palette = dialog->palette();
    palette.setColor(QPalette::Window, QColor(192, 192, 192));
    palette.setColor(QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(128, 128, 128));
    dialog->setPalette(palette);
    dialog->setAutoFillBackground(true);
    dialog->setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

QLabel* plainLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

void fitToScreen(QWidget* dialog) {
    const QWidget* parent = dialog->parentWidget();
    if (const QScreen* screen = parent != nullptr ? parent->screen() : dialog->screen()) {
        fitToArea(dialog, screen->availableGeometry());
    }
}

void fitToArea(QWidget* dialog, const QRect& area) {
    dialog->ensurePolished();
    QLayout* layout = dialog->layout();
    const QSize room = area.size() - QSize(kFrameWidth, kFrameHeight);
    const QSize wanted = dialog->sizeHint();
    if (layout == nullptr || dialog->findChild<QWidget*>(QLatin1String(kFittedBody)) != nullptr ||
        (wanted.width() <= room.width() && wanted.height() <= room.height())) {
        return;
    }
    // The contents keep their layout, and their size, in a widget of their own that scrolls.
    auto* body = new QWidget;
    body->setObjectName(QLatin1String(kFittedBody));
    // A window's margins, which the style makes wider than a child widget's.
    layout->setContentsMargins(layout->contentsMargins());
    body->setLayout(layout);
    body->setAutoFillBackground(true);
    auto* scroller = new QScrollArea(dialog);
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setWidget(body);
    auto* outer = new QVBoxLayout(dialog);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroller);
    dialog->setMinimumSize(0, 0);
    dialog->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);

    // As much of the contents as there is room for, and the scroll bars that bring in the rest.
    QSize size = wanted;
    const int barWidth = scroller->verticalScrollBar()->sizeHint().width();
    const int barHeight = scroller->horizontalScrollBar()->sizeHint().height();
    bool across = size.width() > room.width();
    const bool down = size.height() + (across ? barHeight : 0) > room.height();
    across = across || size.width() + (down ? barWidth : 0) > room.width();
    size += QSize(down ? barWidth : 0, across ? barHeight : 0);
    dialog->setMaximumSize(size);
    dialog->resize(size.boundedTo(room));
}

QString withMnemonic(const QString& text, QString& used) {
    if (text.contains(QLatin1Char('&'))) {
        return text;
    }
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar letter = text[i].toLower();
        if (letter.isLetter() && !used.contains(letter)) {
            used.append(letter);
            return QString(text).insert(i, QLatin1Char('&'));
        }
    }
    return text;
}

} // namespace orthavel
