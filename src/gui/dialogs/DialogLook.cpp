// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/dialogs/DialogLook.h"

#include "core/interaction/Mnemonic.h"
#include "qtcommon/QtText.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QBoxLayout>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpacerItem>
#include <QTimer>

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

#include <algorithm>

namespace orthavel {

int titleWidth(const QWidget* dialog) {
    // Room for the title in the dialog's own font, and for the title bar's icon and buttons.
    constexpr int kTitleBarExtras = 96;
    return dialog->fontMetrics().horizontalAdvance(dialog->windowTitle()) + kTitleBarExtras;
}

void reserveTitleWidth(QWidget* dialog, QBoxLayout* layout) {
    layout->addSpacerItem(
        new QSpacerItem(titleWidth(dialog), 0, QSizePolicy::Fixed, QSizePolicy::Minimum));
}

namespace {

// What the window manager's frame and title bar take around a dialog, at most.
constexpr int kFrameWidth = 16;
constexpr int kFrameHeight = 48;

// The name of the widget that holds the contents of a dialog fitted to a small screen.
constexpr char kFittedBody[] = "fittedBody";
// The property that marks the part of a dialog kept out of the scrolling area.
constexpr char kFooterProperty[] = "keptInView";

// Places a dialog on the screen as it is shown, once its size is known, and again when the window
// manager has framed it and the frame turns out to reach past the screen's free area (a window
// is placed before its frame is known).
constexpr const char* kPlacedProperty = "orthavelPlacedOnScreen";
// How many more moves of a window WindowRules checks for a frame off the screen.
constexpr const char* kFrameChecksProperty = "orthavelFrameChecks";

class ScreenPlacer : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* dialog = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::Show) {
            placeOnScreen(dialog);
            m_checks = 3;
        } else if (event->type() == QEvent::Move && m_checks > 0) {
            --m_checks;
            keepFrameOnScreen(dialog);
        }
        return false;
    }

private:
    int m_checks = 0;
};

// Moves a window whose frame is not known yet into the free area of its screen as placeOnScreen
// does, with room for a frame and a title bar, from where it is.
void keepRoomForFrame(QWidget* window) {
    const QScreen* screen = window->screen();
    if (screen == nullptr) {
        return;
    }
    const QRect area = screen->availableGeometry().adjusted(
        kFrameWidth / 2, kFrameHeight - kFrameWidth / 2, -kFrameWidth / 2, -kFrameWidth / 2);
    const QRect shown = window->geometry();
    window->move(std::max(area.left(), std::min(shown.x(), area.right() + 1 - shown.width())),
                 std::max(area.top(), std::min(shown.y(), area.bottom() + 1 - shown.height())));
}

// The program's windows as they are shown: see applyWindowRules.
class WindowRules : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Show && event->type() != QEvent::Move) {
            return false;
        }
        auto* window = qobject_cast<QWidget*>(watched);
        if (window == nullptr || !window->isWindow() ||
            (window->windowType() != Qt::Window && window->windowType() != Qt::Dialog)) {
            return false;
        }
        if (auto* box = qobject_cast<QMessageBox*>(window); box && event->type() == QEvent::Show) {
            giveButtonsLetters(box);
        }
        if (window->property(kPlacedProperty).toBool()) {
            return false; // dialogs with the program's look place themselves
        }
        if (event->type() == QEvent::Move) {
            if (const int checks = window->property(kFrameChecksProperty).toInt(); checks > 0) {
                window->setProperty(kFrameChecksProperty, checks - 1);
                keepFrameOnScreen(window);
            }
            return false;
        }
        if (const QScreen* screen = window->screen()) {
            const QSize room =
                screen->availableGeometry().size() - QSize(kFrameWidth, kFrameHeight);
            if (window->width() > room.width() || window->height() > room.height()) {
                window->resize(window->size().boundedTo(room));
            }
        }
        if (window->parentWidget() != nullptr) {
            placeOnScreen(window);
        } else if (window->frameGeometry().size() == window->size()) {
            keepRoomForFrame(window);
        }
        // A window manager may frame a window without moving it, its title bar above the place
        // asked for: the frame is checked once it is known, whether the window moved or not.
        window->setProperty(kFrameChecksProperty, 3);
        for (const int delay : {0, 200, 1000}) {
            QTimer::singleShot(delay, window, [window] { keepFrameOnScreen(window); });
        }
        return false;
    }
};

// Presses a default button on Enter in a drop-down list's edit field, unless its list is open
// (then Enter picks the entry under the cursor, as always).
class EnterToDefault : public QObject {
public:
    EnterToDefault(QComboBox* list, QPushButton* button)
        : QObject(list), m_list(list), m_button(button) {}

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) {
            return false;
        }
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) ||
            (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier ||
            m_list->view()->isVisible() || !m_button->isEnabled()) {
            return false;
        }
        m_button->click();
        return true;
    }

private:
    QComboBox* m_list;
    QPushButton* m_button;
};

// The size of a scrolling area over contents of this size in this much room: the contents and the
// scroll bars that bring in what does not fit.
QSize scrolledSize(const QScrollArea* scroller, QSize size, const QSize& room) {
    const int barWidth = scroller->verticalScrollBar()->sizeHint().width();
    const int barHeight = scroller->horizontalScrollBar()->sizeHint().height();
    bool across = size.width() > room.width();
    const bool down = size.height() + (across ? barHeight : 0) > room.height();
    across = across || size.width() + (down ? barWidth : 0) > room.width();
    return size + QSize(down ? barWidth : 0, across ? barHeight : 0);
}

} // namespace

void applyWindowRules() {
    constexpr const char* kRulesProperty = "orthavelWindowRules";
    if (qApp != nullptr && !qApp->property(kRulesProperty).toBool()) {
        qApp->setProperty(kRulesProperty, true);
        qApp->installEventFilter(new WindowRules(qApp));
    }
}

void giveButtonsLetters(QMessageBox* box) {
    const QList<QAbstractButton*> buttons = box->buttons();
    if (buttons.size() < 2) {
        return;
    }
    QString used;
    for (const QAbstractButton* button : buttons) {
        if (const char letter = mnemonicOf(button->text().toStdString()); letter != '\0') {
            used += QChar::fromLatin1(letter).toLower();
        }
    }
    for (QAbstractButton* button : buttons) {
        button->setText(withMnemonic(button->text(), used));
    }
}

void placeOnScreen(QWidget* dialog) {
    QWidget* main = dialog->parentWidget();
    while (main != nullptr && main->parentWidget() != nullptr) {
        main = main->parentWidget();
    }
    const QScreen* screen = main != nullptr ? main->screen() : dialog->screen();
    if (screen == nullptr) {
        return;
    }
    // Before the window manager has framed the window its frame is not known, and some window
    // managers put the title bar above the place asked for: the place leaves room for one.
    const QRect area = screen->availableGeometry().adjusted(
        kFrameWidth / 2, kFrameHeight - kFrameWidth / 2, -kFrameWidth / 2, -kFrameWidth / 2);
    const QSize size = dialog->size();
    const QPoint centre = main != nullptr ? main->frameGeometry().center() : area.center();
    const auto within = [](int wanted, int lowest, int highest) {
        return std::max(lowest, std::min(wanted, highest));
    };
    dialog->move(
        within(centre.x() - size.width() / 2, area.left(), area.right() + 1 - size.width()),
        within(centre.y() - size.height() / 2, area.top(), area.bottom() + 1 - size.height()));
}

void keepFrameOnScreen(QWidget* dialog) {
    const QScreen* screen = dialog->screen();
    const QRect frame = dialog->frameGeometry();
    if (screen == nullptr || frame.size() == dialog->size()) {
        return; // not framed yet
    }
    const QRect area = screen->availableGeometry();
    QPoint corner = frame.topLeft();
    corner.setX(std::max(area.left(), std::min(corner.x(), area.right() + 1 - frame.width())));
    corner.setY(std::max(area.top(), std::min(corner.y(), area.bottom() + 1 - frame.height())));
    if (corner != frame.topLeft()) {
        dialog->move(corner);
    }
}

void enterPressesDefault(QComboBox* list, QPushButton* defaultButton) {
    auto* filter = new EnterToDefault(list, defaultButton);
    list->installEventFilter(filter);
    if (list->lineEdit() != nullptr) {
        list->lineEdit()->installEventFilter(filter);
    }
}

void disconnectChildren(QObject* dialog) {
    for (QObject* child : dialog->findChildren<QObject*>()) {
        child->disconnect(dialog);
    }
}

void nameAfterLabel(QWidget* input, const QString& label) {
    QString name = toQString(stripMnemonic(label.toStdString()));
    if (name.endsWith(QLatin1Char(':'))) {
        name.chop(1);
    }
    input->setAccessibleName(name.trimmed());
    // The field that takes the keys of an editable list or a number box is what a screen reader
    // announces when it has the focus: it goes by the label too, not by the value it shows.
    if (auto* list = qobject_cast<QComboBox*>(input); list != nullptr && list->lineEdit()) {
        list->lineEdit()->setAccessibleName(name.trimmed());
    }
}

void keepInView(QWidget* footer) {
    footer->setProperty(kFooterProperty, true);
}

void applyDialogLook(QWidget* dialog) {
    QPalette palette = dialog->palette();
    palette.setColor(QPalette::Window, QColor(192, 192, 192));
    palette.setColor(QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(128, 128, 128));
    dialog->setPalette(palette);
    dialog->setAutoFillBackground(true);
    dialog->setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    // Once a dialog: a look applied again must not place it twice. (A search for the placer
    // among the children cannot tell it from any other child: it has no meta-object of its own.)
    if (!dialog->property(kPlacedProperty).toBool()) {
        dialog->setProperty(kPlacedProperty, true);
        dialog->installEventFilter(new ScreenPlacer(dialog));
    }
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
    // The part kept in view leaves the layout before the rest moves into the scrolling area.
    QWidget* footer = nullptr;
    if (const int last = layout->count() - 1; last >= 0) {
        QWidget* widget = layout->itemAt(last)->widget();
        if (widget != nullptr && widget->property(kFooterProperty).toBool()) {
            delete layout->takeAt(last);
            // Put back after the contents, it comes after them again in the Tab order, and the
            // focus still opens on the first of them.
            widget->setParent(nullptr);
            footer = widget;
        }
    }
    // The contents keep their layout, and their size, in a widget of their own that scrolls; the
    // window's margins, which the style makes wider than a child widget's, go with them.
    const QMargins margins = layout->contentsMargins();
    layout->setContentsMargins(margins.left(), margins.top(), margins.right(),
                               footer != nullptr ? 0 : margins.bottom());
    auto* body = new QWidget;
    body->setObjectName(QLatin1String(kFittedBody));
    body->setLayout(layout);
    body->setAutoFillBackground(true);
    auto* scroller = new QScrollArea(dialog);
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setFocusPolicy(Qt::NoFocus); // what it holds takes the focus, and scrolls to it
    scroller->setWidget(body);
    // Whatever takes the focus (Tab, a mnemonic, a click) scrolls into view.
    QObject::connect(qApp, &QApplication::focusChanged, scroller,
                     [scroller, body](QWidget* /*old*/, QWidget* now) {
                         if (now != nullptr && body->isAncestorOf(now)) {
                             // The whole widget, not only its text cursor.
                             const QRect shown(now->mapTo(body, QPoint(0, 0)), now->size());
                             scroller->ensureVisible(shown.center().x(), shown.center().y(),
                                                     shown.width() / 2 + 8, shown.height() / 2 + 8);
                         }
                     });
    auto* outer = new QVBoxLayout(dialog);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    outer->addWidget(scroller);
    int footerHeight = 0;
    if (footer != nullptr) {
        auto* kept = new QVBoxLayout;
        kept->setContentsMargins(margins.left(), layout->spacing(), margins.right(),
                                 margins.bottom());
        kept->addWidget(footer);
        outer->addLayout(kept);
        footerHeight = kept->sizeHint().height();
    }
    dialog->setMinimumSize(0, 0);
    dialog->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);

    // As much of the contents as there is room for, the scroll bars that bring in the rest, and
    // below them the part kept in view.
    const QSize rows = scrolledSize(scroller, body->sizeHint(), room - QSize(0, footerHeight));
    const QSize whole = rows + QSize(0, footerHeight);
    dialog->setMaximumSize(whole);
    dialog->resize(whole.boundedTo(room));
}

QString withMnemonic(const QString& text, QString& used) {
    if (mnemonicOf(text.toStdString()) != '\0') {
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
