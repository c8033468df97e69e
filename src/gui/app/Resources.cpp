// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/app/Resources.h"

#include <QtGlobal>

// Outside any namespace, as the resource initialiser requires.
static void initOrthavelResources() {
    Q_INIT_RESOURCE(orthavel);
}

namespace orthavel {

void initResources() {
    static const bool done = [] {
        initOrthavelResources();
        return true;
    }();
    Q_UNUSED(done);
}

} // namespace orthavel
