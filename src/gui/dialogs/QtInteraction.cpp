#include "gui/dialogs/QtInteraction.h"

#include "gui/dialogs/AdvantageAssignmentView.h"
#include "gui/dialogs/ChoiceDialogView.h"
#include "gui/dialogs/DialogLook.h"
#include "gui/dialogs/EmphasisView.h"
#include "gui/dialogs/FormDialogView.h"
#include "gui/dialogs/SkillRollView.h"
#include "gui/dialogs/SkillSelectionView.h"
#include "qtcommon/QtText.h"

#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

namespace orthavel {

void showMessageBox(QWidget* parent, const Message& message) {
    QMessageBox box(message.exclamation ? QMessageBox::Warning : QMessageBox::NoIcon,
                    toQString(message.caption), toQString(message.text), QMessageBox::Ok, parent);
    // Messages repeat names from files and scripts: what looks like HTML is shown as written.
    box.setTextFormat(Qt::PlainText);
    applyDialogLook(&box);
    // At least as wide as its caption, so that the title bar shows what the box is about
    // ("Random Dice Roll (You need a 57 to be ambidextrous)").
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        grid->addItem(
            new QSpacerItem(titleWidth(&box), 0, QSizePolicy::Fixed, QSizePolicy::Minimum),
            grid->rowCount(), 0, 1, grid->columnCount());
    }
    box.exec();
}

void QtInteraction::showMessage(const Message& message) {
    showMessageBox(m_parent, message);
}

std::optional<int> QtInteraction::runChoice(const ChoiceDialog& dialog) {
    ChoiceDialogView view(dialog, m_parent);
    if (view.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return view.chosen();
}

bool QtInteraction::runForm(FormEntry& form) {
    FormDialogView view(form, m_parent);
    return view.exec() == QDialog::Accepted;
}

bool QtInteraction::runAdvantageAssignment(AdvantageAssignment& model) {
    AdvantageAssignmentView view(model, m_parent);
    return view.exec() == QDialog::Accepted;
}

bool QtInteraction::runSkillSelection(SkillSelection& model) {
    SkillSelectionView view(model, m_parent);
    return view.exec() == QDialog::Accepted;
}

bool QtInteraction::runSkillRoll(SkillRoll& model) {
    SkillRollView view(model, m_parent);
    return view.exec() == QDialog::Accepted;
}

void QtInteraction::showEmphasisDisplay(const EmphasisDisplay& display) {
    EmphasisView view(display, m_parent);
    view.exec();
}

SaveAnswer QtInteraction::askSaveChanges(std::string_view documentName) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Orthavel"),
                    QObject::tr("Save changes to %1?")
                        .arg(QString::fromUtf8(documentName.data(),
                                               static_cast<qsizetype>(documentName.size()))),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, m_parent);
    box.setDefaultButton(QMessageBox::Save);
    box.setTextFormat(Qt::PlainText);
    applyDialogLook(&box);
    switch (box.exec()) {
    case QMessageBox::Save:
        return SaveAnswer::Save;
    case QMessageBox::Discard:
        return SaveAnswer::Discard;
    default:
        return SaveAnswer::Cancel;
    }
}

} // namespace orthavel
