#pragma once

#include "core/dialogs/Message.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace orthavel {

// One push button of a choice dialog. The caption may hold "&" before its mnemonic letter.
struct ChoiceButton {
    std::string caption;
    int result = 0;
};

// One value a dialog was given, by name, as a transcript of the dialog shows it.
struct DialogInput {
    std::string name;
    std::variant<std::int32_t, std::string> value;

    bool operator==(const DialogInput&) const = default;
};

// The common shape of the creation dialogs: a fixed title, static texts above, push buttons in
// columns (each column top to bottom, columns left to right). A click stores the button's result
// and accepts, unless refusal answers a message: then the message is shown and the dialog stays.
// Escape or the close box cancel.
struct ChoiceDialog {
    std::string title;
    std::vector<std::string> texts;
    std::vector<std::vector<ChoiceButton>> columns;
    std::vector<DialogInput> inputs;
    std::function<std::optional<Message>(int result)> refusal;

    // The button with exactly this caption, if any.
    const ChoiceButton* findButton(std::string_view caption) const;
};

// A caption without its mnemonic marks ("&&" stays a single "&").
std::string stripMnemonic(std::string_view caption);

} // namespace orthavel
