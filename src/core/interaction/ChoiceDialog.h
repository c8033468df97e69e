// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/interaction/DialogKeys.h"
#include "core/interaction/Message.h"
#include "core/interaction/Mnemonic.h"

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace orthavel {

class Interaction;

// The pictures a dialog can show; the desktop program draws each from its own artwork.
enum class DialogPicture : std::uint8_t { None, KessariRace, NeuonianRace };

// One button of a choice dialog. The caption may hold "&" before its mnemonic letter.
struct ChoiceButton {
    ChoiceButton() = default;
    ChoiceButton(std::string caption_, int result_)
        : caption(std::move(caption_)), result(result_) {}

    std::string caption;
    int result = 0;
    // A label standing above the button, such as a column's "Jobs"; empty for none.
    std::string heading;
    // A picture standing above the button and its heading.
    DialogPicture picture = DialogPicture::None;
    // The button closes the dialog as cancelled, as Escape does.
    bool cancels = false;
    // What the pointer resting on the button explains; empty for nothing.
    std::string tooltip;
};

// One value a dialog was given, by name, as a transcript of the dialog shows it.
struct DialogInput {
    std::string name;
    std::variant<std::int32_t, std::string> value;

    bool operator==(const DialogInput&) const = default;
};

// How the buttons of a choice dialog work. Push buttons: a click stores the button's result and
// accepts. Radio buttons then "OK": a click on a radio button stores its result (see
// ChoiceDialog::afterRadio) and "OK" accepts with what the clicks stored.
enum class ChoiceStyle : std::uint8_t { PushButtons, RadioThenOk };

inline constexpr std::string_view kOkCaption = "OK";

// The common shape of the creation dialogs: a fixed title, static texts above, buttons in
// columns (each column top to bottom, columns left to right). Accepting with a result asks
// refusal first: when it answers a message, the message is shown and the dialog stays. Escape or
// the close box cancel.
struct ChoiceDialog {
    DialogKey key = DialogKey::Other;
    std::string title;
    std::vector<std::string> texts;
    std::vector<std::vector<ChoiceButton>> columns;
    std::vector<DialogInput> inputs;
    std::function<std::optional<Message>(int result)> refusal;
    ChoiceStyle style = ChoiceStyle::PushButtons;
    // Radio buttons: what "OK" accepts with when no radio button was clicked.
    int initialResult = 0;
    // Radio buttons: the bits of the result that a click leaves as earlier clicks set them, so
    // a choice that sets one of them keeps it through later clicks.
    int keptBits = 0;

    // The button with exactly this caption, if any.
    const ChoiceButton* findButton(std::string_view caption) const;
    // The first button with this result, if any.
    const ChoiceButton* findResult(int result) const;

    // The result after a click on a radio button, from the result stored before it.
    int afterRadio(int stored, const ChoiceButton& button) const {
        return (stored & keptBits) | button.result;
    }
};

// The working state of one showing of a choice dialog, and the rules of its buttons. A view, a
// script or chance forwards each click here and closes the dialog as it says.
class ChoiceEntry {
public:
    explicit ChoiceEntry(ChoiceDialog dialog)
        : m_dialog(std::move(dialog)), m_stored(m_dialog.initialResult) {}

    const ChoiceDialog& dialog() const { return m_dialog; }

    // A click on one of the dialog's buttons. A radio button stores its result (see
    // ChoiceDialog::afterRadio); a cancelling button cancels; any other push button accepts with
    // its result unless the dialog refuses it. Answers the refusal's message, to be shown while
    // the dialog stays open.
    std::optional<Message> click(const ChoiceButton& button);
    // "OK" under radio buttons: accepts with what the clicks stored, unless the dialog refuses it.
    std::optional<Message> confirm() { return accept(m_stored); }
    // Escape or the close box.
    void cancel() { m_state = State::Cancelled; }

    bool open() const { return m_state == State::Open; }
    // The result the dialog was accepted with; nothing while it is open or once it was cancelled.
    std::optional<int> result() const {
        return m_state == State::Accepted ? std::optional<int>(m_stored) : std::nullopt;
    }

private:
    std::optional<Message> accept(int result);

    enum class State : std::uint8_t { Open, Accepted, Cancelled };
    ChoiceDialog m_dialog;
    int m_stored;
    State m_state = State::Open;
};

// A dialog of push buttons in one column, top to bottom, whose results count from 0.
ChoiceDialog buttonColumn(std::string title, std::vector<std::string> texts,
                          std::initializer_list<std::string_view> captions);

// Shows the dialog and answers the caption of the button that accepted it, without its
// mnemonic mark; nothing when it was cancelled.
std::optional<std::string> runForCaption(Interaction& ui, const ChoiceDialog& dialog);

} // namespace orthavel
