#include "core/dialogs/Interaction.h"

#include "core/dialogs/FormDialog.h"

namespace orthavel {

std::optional<std::int32_t> Interaction::askNumber(const NumberPrompt& prompt) {
    FormEntry form(numberPromptForm(prompt));
    if (!runForm(form)) {
        return std::nullopt;
    }
    return form.number(0);
}

} // namespace orthavel
