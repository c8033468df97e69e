// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/interaction/ChoiceDialog.h"
#include "core/interaction/Message.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orthavel {

struct NumberPrompt;

enum class FieldKind : std::uint8_t {
    Text,     // a single-line text field
    Number,   // an integer field, with up/down arrows when it has arrow bounds
    DropDown, // an editable drop-down list: one of its entries, or any text typed
};

// The range the arrows of a number field run over; an entry is forced into it when the field is
// left and on OK.
struct ArrowBounds {
    std::int32_t lowest = 0;
    std::int32_t highest = 0;
};

// One labelled field of a form. The label names the field to scripts and transcripts.
struct FormField {
    FieldKey key = FieldKey::Other;
    std::string label;
    FieldKind kind = FieldKind::Text;
    std::string initial;
    // The most characters the field takes; more cannot be entered.
    std::size_t maxLength = 0;
    // A drop-down list's entries, in the order given; sorted ones are shown sorted.
    std::vector<std::string> items;
    bool sorted = false;
    // A number field: OK accepts a whole number from minimum to maximum and refuses anything
    // else with the range prompt.
    std::int32_t minimum = 0;
    std::int32_t maximum = 0;
    std::optional<ArrowBounds> arrows;
};

FormField textField(std::string label, std::size_t maxLength, std::string initial = {});
// The same field carrying a key.
FormField keyed(FieldKey key, FormField field);
FormField numberField(std::string label, std::int32_t initial, std::int32_t minimum,
                      std::int32_t maximum, std::optional<ArrowBounds> arrows = std::nullopt);
FormField dropDownField(std::string label, std::size_t maxLength, std::vector<std::string> items,
                        std::string initial, bool sorted = false);

// The entries of a drop-down list in the order it shows them: a sorted list as a person reads
// (letters without regard to case, numbers by their value: 5' 4" before 5' 10"), otherwise as
// given.
std::vector<std::string> shownItems(const FormField& field);

// A dialog of labelled fields: static texts above them, notes below, "OK" (the default button)
// and, where it has one, "Cancel". Escape and the close box cancel. Texts are UTF-8.
struct FormDialog {
    std::string title;
    std::vector<std::string> texts;
    std::vector<FormField> fields;
    std::vector<std::string> notes;
    std::vector<DialogInput> inputs;
    bool cancelButton = false;
};

inline constexpr std::string_view kCancelCaption = "Cancel";

// A number prompt as a form of its one number field, without arrows.
FormDialog numberPromptForm(const NumberPrompt& prompt);

// The working state of a form while it is shown: what each field holds, and the rules of typing,
// leaving a field, the arrows and OK. A view forwards the person's edits here and shows the
// texts back; the caller reads the values after an accepted OK.
class FormEntry {
public:
    explicit FormEntry(FormDialog dialog);

    const FormDialog& dialog() const { return m_dialog; }
    std::size_t fieldCount() const { return m_dialog.fields.size(); }
    // The field with exactly this label, if any.
    std::optional<std::size_t> findField(std::string_view label) const;
    // The first field with this key, if any.
    std::optional<std::size_t> findField(FieldKey key) const;

    // What the field holds, in UTF-8 to show it, and in Windows-1252 as the record keeps it.
    std::string text(std::size_t field) const;
    const std::string& value(std::size_t field) const { return m_values.at(field); }
    // The number a number field holds after an accepted OK.
    std::int32_t number(std::size_t field) const;

    // Replaces what the field holds by a UTF-8 entry, cut to the field's length; characters
    // Windows-1252 cannot hold become '?' and control characters are left out (a window does not
    // let either be typed at all, a script holding a control character is refused, and a text
    // from a file shows without them).
    void type(std::size_t field, std::string_view utf8);
    // Leaving the field forces a whole number in a field with arrows into their range.
    void leave(std::size_t field);
    // Up (clicks > 0) or down, while the arrow that way is enabled; the arrows stop at the ends
    // of their range, and a value outside it comes into it.
    void clickArrows(std::size_t field, int clicks);
    bool canClickArrow(std::size_t field, int direction) const;

    struct Refusal {
        std::size_t field;
        Message message;
    };
    // OK: a number field that does not hold a whole number in its accepted range refuses with
    // the range prompt; otherwise every number is forced into its arrows' range and OK accepts.
    std::optional<Refusal> confirm();

private:
    FormDialog m_dialog;
    std::vector<std::string> m_values; // Windows-1252
};

} // namespace orthavel
