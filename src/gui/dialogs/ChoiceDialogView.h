#pragma once

#include "core/interaction/ChoiceDialog.h"

#include <QDialog>

#include <optional>

namespace orthavel {

// The window of a ChoiceDialog: its title, its static texts, and its buttons in columns, each
// under its picture and heading if it has them. Push buttons: a click asks the dialog's refusal
// check; a refused click shows the message and the dialog stays, otherwise the button's result is
// kept and the dialog is accepted; a cancelling button rejects. Radio buttons: each click stores
// its result as the dialog says, and "OK" accepts with what is stored, asking the refusal check
// in the same way. Escape and the close box cancel.
class ChoiceDialogView : public QDialog {
    Q_OBJECT
public:
    explicit ChoiceDialogView(const ChoiceDialog& dialog, QWidget* parent = nullptr);

    // The result of the button that accepted the dialog.
    std::optional<int> chosen() const { return m_chosen; }

protected:
    // A letter typed alone presses (or selects) the button it is the mnemonic of, as with Alt.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void choose(int result);

    const ChoiceDialog m_dialog;
    int m_stored = 0;
    std::optional<int> m_chosen;
};

} // namespace orthavel
