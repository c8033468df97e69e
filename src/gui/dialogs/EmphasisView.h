// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/skills/EmphasisDisplay.h"

#include <QDialog>

namespace orthavel {

// "Emphasis and Mastery": the three columns drawn at their places on the grey background, the
// three lines of text and OK. It changes nothing.
class EmphasisView : public QDialog {
    Q_OBJECT
public:
    explicit EmphasisView(EmphasisDisplay display, QWidget* parent = nullptr);
};

} // namespace orthavel
