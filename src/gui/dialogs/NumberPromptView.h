#pragma once

#include "core/dialogs/NumberPrompt.h"

#include <QDialog>

#include <cstdint>
#include <optional>

class QLineEdit;
class QPushButton;

namespace orthavel {

// The window of a NumberPrompt: its texts, the labelled field starting at the initial number,
// and OK. OK takes the number only when it lies in the range; otherwise the range prompt is
// shown, the field is selected again and the dialog stays. Escape cancels.
class NumberPromptView : public QDialog {
    Q_OBJECT
public:
    explicit NumberPromptView(const NumberPrompt& prompt, QWidget* parent = nullptr);

    std::optional<std::int32_t> number() const { return m_number; }

    QLineEdit* field() const { return m_field; }
    QPushButton* okButton() const { return m_ok; }

private:
    void takeEntry();

    const NumberPrompt& m_prompt;
    QLineEdit* m_field = nullptr;
    QPushButton* m_ok = nullptr;
    std::optional<std::int32_t> m_number;
};

} // namespace orthavel
