#!/usr/bin/env bash
# The folders of src/ depend downwards only (docs/ARCHITECTURE.md draws the layers): every
# #include "..." names a folder at or below the level of the folder it is written in, folders of
# one level include each other without a cycle, and the pairs kept apart below stay apart. Each
# include that breaks this is named with its file and line. Usage: layers.sh [SRC-FOLDER]
set -euo pipefail
cd "${1:-$(dirname "$0")/../src}"

# Lowest first. A folder belongs to the level that lists it or its nearest parent.
levels='
record: core/record
interaction: core/interaction
rules: core/advantages core/skills core/specialskills core/dice
generation: core/generation
npc: core/npc
document: core/document
sheet: core/sheet
Qt layers: qtcommon qtsheet script
programs: gui cli
'
# A folder that must not include one below it, and why.
apart='
core/sheet core/document: layouts are keyed by what they draw, not by menu ids
qtcommon core/document: files are read and written as records; the programs own the document
script core/document: the scripted interaction answers dialogs; the programs own the document
'
if problems=$(grep -rn --include='*.h' --include='*.cpp' -E '^\s*#\s*include\s*"' . |
    sed 's#^\./##' | awk -v levels="$levels" -v apart="$apart" '
function folderOf(path) { sub(/\/[^\/]*$/, "", path); return path }
function levelOf(folder,   f) {
    for (f = folder; f != ""; f = (f ~ /\//) ? folderOf(f) : "")
        if (f in level) return level[f]
    return -1
}
function problem(where, text) { print "src/" where ": " text; failed = 1 }
BEGIN {
    depth = 0
    n = split(levels, lines, "\n")
    for (i = 1; i <= n; i++) {
        if (lines[i] == "") continue
        name = lines[i]; sub(/:.*/, "", name)
        rest = lines[i]; sub(/^[^:]*: */, "", rest)
        count = split(rest, folders, " ")
        for (j = 1; j <= count; j++) level[folders[j]] = depth
        levelName[depth++] = name
    }
    n = split(apart, lines, "\n")
    for (i = 1; i <= n; i++) {
        if (lines[i] == "") continue
        split(lines[i], pair, /[ :]+/)
        reason = lines[i]; sub(/^[^:]*: */, "", reason)
        keptApart[pair[1] " " pair[2]] = reason
    }
}
{
    file = $0; sub(/:.*/, "", file)
    line = $0; sub(/^[^:]*:/, "", line); sub(/:.*/, "", line)
    included = $0; sub(/^[^"]*"/, "", included); sub(/".*/, "", included)
    where = file ":" line
    from = folderOf(file)
    to = (included ~ /\//) ? folderOf(included) : from
    fromLevel = levelOf(from); toLevel = levelOf(to)
    if (fromLevel < 0) { problem(where, from " has no level: add it to tests/layers.sh"); next }
    if (toLevel < 0) { problem(where, "\"" included "\" is in no folder with a level"); next }
    if (toLevel > fromLevel) {
        problem(where, from " (" levelName[fromLevel] ") includes " included " (" \
                levelName[toLevel] "), a level above it")
    } else if ((from " " to) in keptApart) {
        problem(where, from " includes " included ", though they are kept apart: " \
                keptApart[from " " to])
    } else if (toLevel == fromLevel && from != to) {
        reaches[from, to] = 1; folder[from] = 1; folder[to] = 1
        if (!((from, to) in edgeAt)) edgeAt[from, to] = where
        edgeFile[from, to] = included
    }
}
END {
    # Which folder reaches which through includes within one level (Warshall).
    for (k in folder) for (i in folder) if ((i, k) in reaches)
        for (j in folder) if ((k, j) in reaches) reaches[i, j] = 1
    for (edge in edgeAt) {
        split(edge, ends, SUBSEP)
        if ((ends[2], ends[1]) in reaches)
            problem(edgeAt[edge], ends[1] " includes " edgeFile[edge] ", and " ends[2] \
                    " leads back to " ends[1] ": a cycle within " levelName[levelOf(ends[1])])
    }
    exit failed
}' | sort); then
    echo "${problems:-every include follows the layers}"
else
    echo "$problems"
    exit 1
fi
