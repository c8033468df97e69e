// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/statblock/StatBlock.h"

#include <string>

// The stat block as plain text, Markdown and HTML. Written here rather than through a rich-text
// library: each escapes exactly what its format needs, and the output stays the same from one
// library version to the next.
namespace orthavel {

namespace {

constexpr std::string_view kSkillsTitle = "Masteries and Skills";

// How many characters a UTF-8 text holds: the columns it takes, since every character the
// record can hold is one column wide.
std::size_t widthOf(std::string_view utf8) {
    std::size_t width = 0;
    for (const char c : utf8) {
        width += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    }
    return width;
}

// The bytes of the first count characters of a UTF-8 text.
std::size_t bytesOf(std::string_view utf8, std::size_t count) {
    std::size_t i = 0;
    for (; i < utf8.size(); ++i) {
        if ((static_cast<unsigned char>(utf8[i]) & 0xC0) != 0x80 && count-- == 0) {
            break;
        }
    }
    return i;
}

std::string groupTitle(const StatGroup& group) {
    return group.emphasis ? group.name + " (emphasis " + std::to_string(*group.emphasis) + ")"
                          : group.name;
}

std::string masteryTitle(const StatMastery& mastery) {
    return mastery.name + " (mastery " + std::to_string(mastery.level) + ")";
}

// --- Plain text --------------------------------------------------------------------------------

constexpr std::size_t kWidth = 80;
constexpr std::size_t kColumn = 40;

// Words filled into lines of at most kWidth characters; lines after the first start indented. A
// word longer than a line is cut.
class Filler {
public:
    Filler(std::string& out, std::size_t indent, std::size_t first = 0)
        : m_out(out), m_indent(indent), m_line(first, ' '), m_width(first), m_start(first) {}

    void text(std::string_view words) {
        while (!words.empty()) {
            const auto space = words.find(' ');
            word(words.substr(0, space));
            words = space == std::string_view::npos ? "" : words.substr(space + 1);
        }
    }

    // Words kept on one line while they fit in one.
    void unit(std::string_view words) {
        if (widthOf(words) <= kWidth - m_indent) {
            word(words);
        } else {
            text(words);
        }
    }

    void finish() {
        if (m_width > m_start) {
            m_out += m_line;
            m_out += '\n';
        }
    }

private:
    void word(std::string_view w) {
        if (w.empty()) {
            return;
        }
        std::size_t width = widthOf(w);
        if (m_width > m_start && m_width + 1 + width > kWidth) {
            newLine();
        }
        if (m_width > m_start) {
            m_line += ' ';
            ++m_width;
        }
        while (m_width + width > kWidth) {
            const std::size_t room = kWidth - m_width;
            const std::size_t cut = bytesOf(w, room);
            m_line.append(w.substr(0, cut));
            w.remove_prefix(cut);
            width -= room;
            m_width = kWidth;
            newLine();
        }
        m_line.append(w);
        m_width += width;
    }

    void newLine() {
        m_out += m_line;
        m_out += '\n';
        m_line.assign(m_indent, ' ');
        m_width = m_start = m_indent;
    }

    std::string& m_out;
    std::size_t m_indent;
    std::string m_line;
    std::size_t m_width;
    std::size_t m_start;
};

void fillLines(std::string& out, std::string_view text, std::size_t indent, std::size_t first = 0) {
    Filler filler(out, indent, first);
    filler.text(text);
    filler.finish();
}

void textHeading(std::string& out, std::string_view title, char rule) {
    out += '\n';
    fillLines(out, title, 0);
    out.append(std::min(widthOf(title), kWidth), rule);
    out += '\n';
}

// Values two to a line where they fit in half a line, alone and filled where they do not.
void textValues(std::string& out, const std::vector<StatValue>& values) {
    std::string pending;
    for (const StatValue& v : values) {
        const std::string cell = v.value.empty() ? v.label : v.label + ": " + v.value;
        if (widthOf(cell) < kColumn - 1) {
            if (pending.empty()) {
                pending = cell;
                continue;
            }
            out += pending;
            out.append(kColumn - widthOf(pending), ' ');
            out += cell;
            out += '\n';
            pending.clear();
            continue;
        }
        if (!pending.empty()) {
            out += pending + '\n';
            pending.clear();
        }
        fillLines(out, cell, 4);
    }
    if (!pending.empty()) {
        out += pending + '\n';
    }
}

// --- Markdown ----------------------------------------------------------------------------------

// A text as Markdown shows it literally: every character that could start markup, end a table
// cell or open a link, an HTML tag or an entity is escaped.
std::string markdownEscaped(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        if (std::string_view("\\`*_[]<>|~&#").find(c) != std::string_view::npos) {
            out += '\\';
        }
        out += c;
    }
    return out;
}

void markdownRow(std::string& out, std::initializer_list<std::string_view> cells) {
    out += '|';
    for (const std::string_view cell : cells) {
        out += ' ';
        out += markdownEscaped(cell);
        out += " |";
    }
    out += '\n';
}

void markdownValues(std::string& out, const StatSection& section) {
    out += "\n## " + markdownEscaped(section.title) + "\n\n| Name | Value |\n| --- | --- |\n";
    for (const StatValue& v : section.values) {
        markdownRow(out, {v.label, v.value});
    }
}

// --- HTML --------------------------------------------------------------------------------------

std::string htmlEscaped(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\'':
            out += "&#39;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

void htmlElement(std::string& out, std::string_view tag, std::string_view text) {
    out += '<';
    out += tag;
    out += '>';
    out += htmlEscaped(text);
    out += "</";
    out += tag;
    out += '>';
}

void htmlValues(std::string& out, const StatSection& section) {
    htmlElement(out, "h2", section.title);
    out += "\n<table>\n";
    for (const StatValue& v : section.values) {
        out += "<tr>";
        htmlElement(out, "th", v.label);
        htmlElement(out, "td", v.value);
        out += "</tr>\n";
    }
    out += "</table>\n";
}

constexpr std::string_view kStyle =
    R"(body { font-family: "Liberation Serif", "Times New Roman", serif; max-width: 48em; margin: 1em auto; padding: 0 1em; }
h1 { border-bottom: 2px solid black; }
h2 { margin-bottom: 0.3em; }
table { border-collapse: collapse; margin-bottom: 0.8em; }
th, td { border: 1px solid gray; padding: 0.1em 0.5em; text-align: left; vertical-align: top; }
td.rating { text-align: right; }
@media print { body { margin: 0; max-width: none; } h2, h3 { break-after: avoid; } tr { break-inside: avoid; } article + article { break-before: page; } }
)";

} // namespace

std::string statBlockText(const StatBlock& block) {
    std::string out;
    fillLines(out, block.name, 0);
    out.append(std::min(widthOf(block.name), kWidth), '=');
    out += '\n';
    for (const StatSection& section : block.sections) {
        if (!section.values.empty()) {
            textHeading(out, section.title, '-');
            textValues(out, section.values);
        }
    }
    textHeading(out, kSkillsTitle, '-');
    for (const StatMastery& mastery : block.masteries) {
        if (!shown(mastery)) {
            continue;
        }
        fillLines(out, masteryTitle(mastery), 2);
        for (const StatGroup& group : mastery.groups) {
            if (!shown(group)) {
                continue;
            }
            Filler filler(out, 6, 2);
            filler.text(groupTitle(group) + ":");
            for (std::size_t i = 0; i < group.skills.size(); ++i) {
                filler.unit(group.skills[i].name + " " + std::to_string(group.skills[i].rating) +
                            (i + 1 < group.skills.size() ? "," : ""));
            }
            filler.finish();
        }
    }
    if (!block.description.values.empty()) {
        textHeading(out, block.description.title, '-');
        textValues(out, block.description.values);
    }
    return out;
}

std::string statBlockMarkdown(const StatBlock& block) {
    std::string out = "# " + markdownEscaped(block.name) + "\n";
    for (const StatSection& section : block.sections) {
        if (!section.values.empty()) {
            markdownValues(out, section);
        }
    }
    out += "\n## " + std::string(kSkillsTitle) + "\n";
    for (const StatMastery& mastery : block.masteries) {
        if (!shown(mastery)) {
            continue;
        }
        out += "\n### " + markdownEscaped(masteryTitle(mastery)) +
               "\n\n| Emphasis | Skill | Rating |\n| --- | --- | ---: |\n";
        for (const StatGroup& group : mastery.groups) {
            if (!shown(group)) {
                continue;
            }
            const std::string title = groupTitle(group);
            if (group.skills.empty()) {
                markdownRow(out, {title, "", ""});
            }
            for (std::size_t i = 0; i < group.skills.size(); ++i) {
                markdownRow(out, {i == 0 ? std::string_view(title) : "", group.skills[i].name,
                                  std::to_string(group.skills[i].rating)});
            }
        }
    }
    if (!block.description.values.empty()) {
        markdownValues(out, block.description);
    }
    return out;
}

std::string statBlockHtmlBody(const StatBlock& block) {
    std::string out = "<article>\n";
    htmlElement(out, "h1", block.name);
    out += '\n';
    for (const StatSection& section : block.sections) {
        if (!section.values.empty()) {
            htmlValues(out, section);
        }
    }
    htmlElement(out, "h2", kSkillsTitle);
    out += '\n';
    for (const StatMastery& mastery : block.masteries) {
        if (!shown(mastery)) {
            continue;
        }
        htmlElement(out, "h3", masteryTitle(mastery));
        out += "\n<table>\n<tr><th>Emphasis</th><th>Skill</th><th>Rating</th></tr>\n";
        for (const StatGroup& group : mastery.groups) {
            if (!shown(group)) {
                continue;
            }
            const auto rows = std::max<std::size_t>(group.skills.size(), 1);
            out += "<tr><th rowspan=\"" + std::to_string(rows) + "\">" +
                   htmlEscaped(groupTitle(group)) + "</th>";
            if (group.skills.empty()) {
                out += "<td></td><td></td></tr>\n";
            }
            for (std::size_t i = 0; i < group.skills.size(); ++i) {
                out += i == 0 ? "" : "<tr>";
                htmlElement(out, "td", group.skills[i].name);
                out += "<td class=\"rating\">" + std::to_string(group.skills[i].rating) +
                       "</td></tr>\n";
            }
        }
        out += "</table>\n";
    }
    if (!block.description.values.empty()) {
        htmlValues(out, block.description);
    }
    out += "</article>\n";
    return out;
}

std::string htmlPage(std::string_view title, std::string_view bodies) {
    std::string out = "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n";
    htmlElement(out, "title", title);
    out += "\n<style>\n";
    out += kStyle;
    out += "</style>\n</head>\n<body>\n";
    out += bodies;
    out += "</body>\n</html>\n";
    return out;
}

std::string statBlockHtml(const StatBlock& block) {
    return htmlPage(block.name, statBlockHtmlBody(block));
}

} // namespace orthavel
