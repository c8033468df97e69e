#include "core/dialogs/ChoiceDialog.h"

namespace orthavel {

const ChoiceButton* ChoiceDialog::findButton(std::string_view caption) const {
    for (const auto& column : columns) {
        for (const auto& button : column) {
            if (button.caption == caption) {
                return &button;
            }
        }
    }
    return nullptr;
}

std::string stripMnemonic(std::string_view caption) {
    std::string out;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size()) {
            ++i;
        }
        out.push_back(caption[i]);
    }
    return out;
}

} // namespace orthavel
