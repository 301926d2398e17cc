// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/profile.h"

namespace platform::profile {

namespace {

constexpr std::string_view Utf8Bom = "\xEF\xBB\xBF";

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\v' || c == '\f';
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

char lower(char c) {
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i]))
            return false;
    return true;
}

// A name or value as the C string of one line: it stops at a line break or NUL.
std::string_view oneLine(std::string_view s) {
    const std::size_t stop = s.find_first_of(std::string_view("\r\n\0", 3));
    return stop == std::string_view::npos ? s : s.substr(0, stop);
}

struct Line {
    std::size_t begin = 0; // first byte
    std::size_t end = 0;   // end of the content, before the line end
    std::size_t next = 0;  // first byte of the following line
    bool terminated() const { return next > end; }
};

enum class Kind { Blank, Comment, Header, Key, Other };

struct Parsed {
    Kind kind = Kind::Other;
    std::string_view name;  // header or key name, trimmed
    std::string_view value; // key value, trimmed
};

Parsed parse(std::string_view content) {
    const std::string_view body = trim(content);
    if (body.empty())
        return {Kind::Blank, {}, {}};
    if (body.front() == ';')
        return {Kind::Comment, {}, {}};
    if (body.front() == '[') {
        const std::size_t close = body.rfind(']');
        if (close != std::string_view::npos)
            return {Kind::Header, trim(body.substr(1, close - 1)), {}};
        // Without its closing bracket it is an ordinary line.
    }
    const std::size_t equals = body.find('=');
    if (equals == std::string_view::npos)
        return {Kind::Other, {}, {}};
    return {Kind::Key, trim(body.substr(0, equals)), trim(body.substr(equals + 1))};
}

// Walks the text line by line; CR LF, LF and CR all end a line.
class LineReader {
public:
    explicit LineReader(std::string_view text) : m_text(text) {
        if (m_text.substr(0, Utf8Bom.size()) == Utf8Bom)
            m_pos = Utf8Bom.size();
    }

    bool next(Line &line) {
        if (m_pos >= m_text.size())
            return false;
        line.begin = m_pos;
        std::size_t stop = m_text.find_first_of("\r\n", m_pos);
        if (stop == std::string_view::npos) {
            line.end = line.next = m_text.size();
        } else {
            line.end = stop;
            line.next = stop + 1;
            if (m_text[stop] == '\r' && stop + 1 < m_text.size() && m_text[stop + 1] == '\n')
                ++line.next;
        }
        m_pos = line.next;
        return true;
    }

private:
    std::string_view m_text;
    std::size_t m_pos = 0;
};

// Where a section and one of its keys stand in the text.
struct Location {
    std::optional<Line> header;
    std::size_t sectionEnd = 0;  // start of the next header, or the end of the text
    Line lastContent;            // last non-blank line of the section (the header at least)
    std::optional<Line> keyLine; // first line of the key in the section
    std::string_view keyName;    // as the file spells it
    std::string_view keyValue;
};

// Only the first section of that name counts, and in it the first key.
enum class Scan { ToTheKey, WholeSection };

Location locate(std::string_view text, std::string_view section, std::string_view key, Scan scan) {
    Location where;
    where.sectionEnd = text.size();
    LineReader reader(text);
    Line line;
    while (reader.next(line)) {
        const Parsed p = parse(text.substr(line.begin, line.end - line.begin));
        if (p.kind == Kind::Header) {
            if (where.header) {
                where.sectionEnd = line.begin;
                break;
            }
            if (sameName(p.name, section)) {
                where.header = line;
                where.lastContent = line;
            }
            continue;
        }
        if (!where.header)
            continue;
        if (p.kind != Kind::Blank)
            where.lastContent = line;
        if (p.kind == Kind::Key && !where.keyLine && sameName(p.name, key)) {
            where.keyLine = line;
            where.keyName = p.name;
            where.keyValue = p.value;
            if (scan == Scan::ToTheKey)
                break;
        }
    }
    return where;
}

std::string_view unquote(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

// The line end that new lines of this text get: its first one.
std::string_view lineEndOf(std::string_view text) {
    const std::size_t stop = text.find_first_of("\r\n");
    if (stop == std::string_view::npos)
        return "\r\n";
    if (text[stop] == '\n')
        return "\n";
    if (stop + 1 < text.size() && text[stop + 1] == '\n')
        return "\r\n";
    return "\r";
}

} // namespace

std::optional<std::string> readValue(std::string_view text, std::string_view section,
                                     std::string_view key) {
    const Location where = locate(text, oneLine(section), oneLine(key), Scan::ToTheKey);
    if (!where.keyLine)
        return std::nullopt;
    std::string_view value = unquote(where.keyValue);
    // The platform hands values back as C strings.
    value = value.substr(0, value.find('\0'));
    return std::string(value.substr(0, MaxValueLength));
}

std::string writeValue(std::string_view text, std::string_view section, std::string_view key,
                       std::string_view value) {
    section = oneLine(section);
    key = oneLine(key);
    value = oneLine(value);
    const std::string_view eol = lineEndOf(text);
    const Location where = locate(text, section, key, Scan::ToTheKey);
    std::string out;
    out.reserve(text.size() + section.size() + key.size() + value.size() + 8);

    if (where.keyLine) {
        // Same line, same line end; the name keeps the spelling the file gives it.
        const Line &l = *where.keyLine;
        out.append(text.substr(0, l.begin));
        out.append(where.keyName).append("=").append(value);
        out.append(text.substr(l.end));
        return out;
    }
    if (where.header) {
        const Line &l = where.lastContent;
        if (l.terminated()) {
            out.append(text.substr(0, l.next));
            out.append(key).append("=").append(value).append(eol);
            out.append(text.substr(l.next));
        } else {
            out.append(text.substr(0, l.end));
            out.append(eol).append(key).append("=").append(value).append(eol);
        }
        return out;
    }
    out.append(text);
    if (!text.empty() && text.back() != '\n' && text.back() != '\r')
        out.append(eol);
    out.append("[").append(section).append("]").append(eol);
    out.append(key).append("=").append(value).append(eol);
    return out;
}

std::string eraseSection(std::string_view text, std::string_view section) {
    const Location where = locate(text, oneLine(section), {}, Scan::WholeSection);
    if (!where.header)
        return std::string(text);
    std::string out(text.substr(0, where.header->begin));
    out.append(text.substr(where.sectionEnd));
    return out;
}

} // namespace platform::profile
