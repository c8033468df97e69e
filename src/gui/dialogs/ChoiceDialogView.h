#pragma once

#include "core/dialogs/ChoiceDialog.h"

#include <QDialog>

#include <optional>

namespace orthavel {

// The window of a ChoiceDialog: its title, its static texts, and its buttons in columns. A click
// asks the dialog's refusal check; a refused click shows the message and the dialog stays,
// otherwise the button's result is kept and the dialog is accepted. Escape and the close box
// cancel.
class ChoiceDialogView : public QDialog {
    Q_OBJECT
public:
    explicit ChoiceDialogView(const ChoiceDialog& dialog, QWidget* parent = nullptr);

    // The result of the button that accepted the dialog.
    std::optional<int> chosen() const { return m_chosen; }

protected:
    // A letter typed alone presses the button it is the mnemonic of, as with Alt.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void choose(int result);

    const ChoiceDialog& m_dialog;
    std::optional<int> m_chosen;
};

} // namespace orthavel
