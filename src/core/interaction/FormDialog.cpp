// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/interaction/FormDialog.h"

#include "core/interaction/NumberPrompt.h"
#include "core/record/Cp1252.h"

#include <algorithm>
#include <cctype>
#include <limits>

namespace orthavel {
namespace {

// A number field's text holds a sign and ten digits at most, with room for blanks around them.
constexpr std::size_t kNumberFieldLength = 12;

} // namespace

FormField textField(std::string label, std::size_t maxLength, std::string initial) {
    FormField field;
    field.label = std::move(label);
    field.maxLength = maxLength;
    field.initial = std::move(initial);
    return field;
}

FormField numberField(std::string label, std::int32_t initial, std::int32_t minimum,
                      std::int32_t maximum, std::optional<ArrowBounds> arrows) {
    FormField field = textField(std::move(label), kNumberFieldLength, std::to_string(initial));
    field.kind = FieldKind::Number;
    field.minimum = minimum;
    field.maximum = maximum;
    field.arrows = arrows;
    return field;
}

FormField dropDownField(std::string label, std::size_t maxLength, std::vector<std::string> items,
                        std::string initial, bool sorted) {
    FormField field = textField(std::move(label), maxLength, std::move(initial));
    field.kind = FieldKind::DropDown;
    field.items = std::move(items);
    field.sorted = sorted;
    return field;
}

namespace {

// Whether a comes before b as a person reads lists: letters without regard to case, and a run of
// digits by its number, so 5' 4" comes before 5' 10".
bool readsBefore(std::string_view a, std::string_view b) {
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        if (digit(a[i]) && digit(b[j])) {
            const std::size_t startA = i;
            const std::size_t startB = j;
            while (i < a.size() && digit(a[i])) {
                ++i;
            }
            while (j < b.size() && digit(b[j])) {
                ++j;
            }
            // Without leading zeros the longer run is the larger number.
            std::string_view x = a.substr(startA, i - startA);
            std::string_view y = b.substr(startB, j - startB);
            x.remove_prefix(std::min(x.find_first_not_of('0'), x.size()));
            y.remove_prefix(std::min(y.find_first_not_of('0'), y.size()));
            if (x.size() != y.size()) {
                return x.size() < y.size();
            }
            if (x != y) {
                return x < y;
            }
            continue;
        }
        const int x = std::tolower(static_cast<unsigned char>(a[i++]));
        const int y = std::tolower(static_cast<unsigned char>(b[j++]));
        if (x != y) {
            return x < y;
        }
    }
    return a.size() - i < b.size() - j;
}

} // namespace

std::vector<std::string> shownItems(const FormField& field) {
    std::vector<std::string> items = field.items;
    if (field.sorted) {
        std::stable_sort(items.begin(), items.end(), readsBefore);
    }
    return items;
}

FormDialog numberPromptForm(const NumberPrompt& prompt) {
    FormDialog form;
    form.title = prompt.title;
    form.texts = prompt.texts;
    form.fields = {keyed(
        prompt.key, numberField(prompt.label, prompt.initial, prompt.minimum, prompt.maximum))};
    form.notes = prompt.notes;
    return form;
}

FormField keyed(FieldKey key, FormField field) {
    field.key = key;
    return field;
}

FormEntry::FormEntry(FormDialog dialog)
    : m_dialog(std::move(dialog)), m_values(m_dialog.fields.size()) {
    for (std::size_t i = 0; i < m_values.size(); ++i) {
        type(i, m_dialog.fields[i].initial);
    }
}

std::optional<std::size_t> FormEntry::findField(std::string_view label) const {
    for (std::size_t i = 0; i < m_dialog.fields.size(); ++i) {
        if (m_dialog.fields[i].label == label) {
            return i;
        }
    }
    return std::nullopt;
}

std::optional<std::size_t> FormEntry::findField(FieldKey key) const {
    for (std::size_t i = 0; i < m_dialog.fields.size(); ++i) {
        if (m_dialog.fields[i].key == key) {
            return i;
        }
    }
    return std::nullopt;
}

std::string FormEntry::text(std::size_t field) const {
    return cp1252ToUtf8(m_values.at(field));
}

std::int32_t FormEntry::number(std::size_t field) const {
    return parseWholeNumber(m_values.at(field), std::numeric_limits<std::int32_t>::min(),
                            std::numeric_limits<std::int32_t>::max())
        .value_or(0);
}

void FormEntry::type(std::size_t field, std::string_view utf8) {
    std::string value = withoutControlCharacters(utf8ToCp1252(utf8));
    value.resize(std::min(value.size(), m_dialog.fields.at(field).maxLength));
    m_values.at(field) = std::move(value);
}

void FormEntry::leave(std::size_t field) {
    const FormField& f = m_dialog.fields.at(field);
    if (f.kind != FieldKind::Number || !f.arrows) {
        return;
    }
    if (parseWholeNumber(m_values[field], std::numeric_limits<std::int32_t>::min(),
                         std::numeric_limits<std::int32_t>::max())) {
        // Below the lowest becomes the lowest, above the highest the highest.
        m_values[field] =
            std::to_string(std::min(std::max(number(field), f.arrows->lowest), f.arrows->highest));
    }
}

void FormEntry::clickArrows(std::size_t field, int clicks) {
    if (clicks == 0 || !canClickArrow(field, clicks)) {
        return;
    }
    // The arrows never leave their range: from below it, up lands on its lowest value.
    const ArrowBounds& bounds = *m_dialog.fields[field].arrows;
    const std::int64_t moved = std::int64_t{number(field)} + clicks;
    m_values[field] = std::to_string(
        std::min<std::int64_t>(std::max<std::int64_t>(moved, bounds.lowest), bounds.highest));
}

bool FormEntry::canClickArrow(std::size_t field, int direction) const {
    const FormField& f = m_dialog.fields.at(field);
    if (f.kind != FieldKind::Number || !f.arrows) {
        return false;
    }
    return direction > 0 ? number(field) < f.arrows->highest : number(field) > f.arrows->lowest;
}

std::optional<FormEntry::Refusal> FormEntry::confirm() {
    for (std::size_t i = 0; i < m_values.size(); ++i) {
        const FormField& f = m_dialog.fields[i];
        if (f.kind == FieldKind::Number &&
            !parseWholeNumber(m_values[i], f.minimum, f.maximum).has_value()) {
            return Refusal{i, rangePrompt(f.minimum, f.maximum)};
        }
    }
    for (std::size_t i = 0; i < m_values.size(); ++i) {
        leave(i);
    }
    return std::nullopt;
}

} // namespace orthavel
