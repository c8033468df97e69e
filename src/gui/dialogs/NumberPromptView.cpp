#include "gui/dialogs/NumberPromptView.h"

#include "gui/dialogs/DialogLook.h"
#include "gui/dialogs/QtInteraction.h"
#include "qtcommon/QtText.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace orthavel {

NumberPromptView::NumberPromptView(const NumberPrompt& prompt, QWidget* parent)
    : QDialog(parent), m_prompt(prompt) {
    applyDialogLook(this);
    setWindowTitle(toQString(prompt.title));

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    for (const auto& text : prompt.texts) {
        layout->addWidget(new QLabel(toQString(text), this));
    }
    auto* row = new QHBoxLayout;
    auto* label = new QLabel(toQString(prompt.label), this);
    m_field = new QLineEdit(QString::number(prompt.initial), this);
    m_field->setMaxLength(12);
    label->setBuddy(m_field);
    row->addWidget(label);
    row->addWidget(m_field);
    layout->addLayout(row);
    for (const auto& note : prompt.notes) {
        layout->addWidget(new QLabel(toQString(note), this));
    }

    m_ok = new QPushButton(tr("OK"), this);
    m_ok->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    layout->addLayout(buttons);
    connect(m_ok, &QPushButton::clicked, this, &NumberPromptView::takeEntry);

    m_field->selectAll();
    m_field->setFocus();
}

void NumberPromptView::takeEntry() {
    const auto answer = acceptNumberEntry(m_prompt, m_field->text().toStdString());
    if (const auto* refused = std::get_if<Message>(&answer)) {
        showMessageBox(this, *refused);
        m_field->setFocus();
        m_field->selectAll();
        return;
    }
    m_number = std::get<std::int32_t>(answer);
    accept();
}

} // namespace orthavel
