# SPDX-FileCopyrightText: 2026 The Orthavel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Shared by the command-line tests: sourced, not run. $1 is orthavel-cli, $2 the data folder.
set -euo pipefail
CLI="$1"
DATA="$2"
WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT
cd "$WORK"
PASSED=0
FAILED=0

pass() { PASSED=$((PASSED + 1)); }
fail() { FAILED=$((FAILED + 1)); echo "FAIL: $*" >&2; }

# expect_eq NAME ACTUAL EXPECTED
expect_eq() {
    if [ "$2" == "$3" ]; then pass; else
        fail "$1"; diff <(printf '%s\n' "$3") <(printf '%s\n' "$2") >&2 || true
    fi
}

# expect_status NAME EXPECTED COMMAND...
expect_status() {
    local name="$1" expected="$2"; shift 2
    local status=0
    "$@" >/dev/null 2>&1 || status=$?
    expect_eq "$name (exit status)" "$status" "$expected"
}

# A transcript as reviewed in the data folder, where the work folder is written @WORK@ and the
# data folder @DATA@.
transcript() { sed "s|@WORK@|$WORK|; s|@DATA@|$DATA|" "$DATA/$1.transcript"; }

finish() {
    echo "$PASSED passed, $FAILED failed"
    [ "$FAILED" -eq 0 ]
}
