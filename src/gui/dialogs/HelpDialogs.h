// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <memory>

class QDialog;
class QWidget;

namespace orthavel {

// The three dialogs of the Help menu; each is shown once and closed with OK.
std::unique_ptr<QDialog> makeAboutDialog(QWidget* parent);
std::unique_ptr<QDialog> makeGeneralHelpDialog(QWidget* parent);
std::unique_ptr<QDialog> makeLegalDialog(QWidget* parent);

} // namespace orthavel
