// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace orthavel {

// Makes the program's pictures and help page available under ":/"; safe to call often.
void initResources();

} // namespace orthavel
