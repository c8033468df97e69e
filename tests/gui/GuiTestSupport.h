// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the GUI tests share: the main window with the person at the keyboard scripted, message boxes
// closed and recorded, modal dialogs driven, widgets found by their text, characters written to
// real files, a settings file per test program.

#include "support/ScriptedPerson.h"

#include "core/document/CQuorvelDoc.h"
#include "gui/app/CMainFrame.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

// The main window on a new character.
struct Frame {
    orthavel::CQuorvelDoc document;
    orthavel::test::ScriptedPerson ui;
    orthavel::CMainFrame frame{document, ui};
    void modify() {
        document.record().m_strName = "Unsaved";
        document.SetModifiedFlag(true);
    }
};

// Closes every message box that opens while it lives, with OK, and keeps what it said.
class MessageBoxCloser : public QObject {
public:
    struct Seen {
        QString caption, text;
        QMessageBox::Icon icon;
    };
    QList<Seen> seen;

    MessageBoxCloser() {
        connect(&m_timer, &QTimer::timeout, this, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                seen.append({box->windowTitle(), box->text(), box->icon()});
                box->button(QMessageBox::Ok)->click();
            }
        });
        m_timer.start(5);
    }

private:
    QTimer m_timer;
};

// Shows a window and waits until it has the keyboard.
inline bool opened(QWidget& window) {
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

// Runs action once a modal dialog of type T is up.
template <typename T, typename Action> void whenOpen(Action action) {
    auto* timer = new QTimer(qApp); // freed with the application if no dialog ever opens
    QObject::connect(timer, &QTimer::timeout, [timer, action] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            action(dialog);
        }
    });
    timer->start(5);
}

// Answers the next file dialog with path, as its default button does.
inline void answerFileDialog(const QString& path) {
    whenOpen<QFileDialog>([path](QFileDialog* dialog) {
        dialog->selectFile(path);
        static_cast<QDialog*>(dialog)->accept();
    });
}

// Types text over all that a field shows, as a person who selected it first.
template <typename Field> void retype(Field* field, const QString& text) {
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, text);
}

inline QPushButton* buttonCaptioned(const QWidget& view, const QString& caption) {
    for (auto* button : view.findChildren<QPushButton*>()) {
        if (button->text() == caption) {
            return button;
        }
    }
    return nullptr;
}

inline QStringList labelTexts(const QWidget& view) {
    QStringList texts;
    for (auto* label : view.findChildren<QLabel*>()) {
        texts.append(label->text());
    }
    return texts;
}

inline QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline QByteArray bytesOf(const orthavel::CQuorvelDoc& document) {
    return QByteArray::fromStdString(document.SaveBytes());
}

// Writes the character as the program saves it; the path, or nothing when it failed.
inline QString writeCharacter(const QString& path, const orthavel::CharacterRecord& record) {
    orthavel::CQuorvelDoc document;
    document.record() = record;
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytesOf(document)) > 0 ? path : QString();
}

// Test programs running side by side keep their settings (the recent files) apart.
inline void useOwnSettings(const char* program) {
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("Orthavel"));
    QCoreApplication::setApplicationName(QString::fromUtf8(program));
    QSettings().clear();
}
