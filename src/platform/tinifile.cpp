// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/tinifile.h"

#include "platform/profile.h"
#include "platform/profilefile.h"

namespace {

int digitValue(char c, int base) {
    int v = -1;
    if (c >= '0' && c <= '9')
        v = c - '0';
    else if (c >= 'a' && c <= 'f')
        v = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        v = c - 'A' + 10;
    return v < base ? v : -1;
}

// At least one digit, and nothing after the digits.
std::optional<std::int64_t> magnitude(std::string_view digits, int base) {
    if (digits.empty())
        return std::nullopt;
    std::int64_t value = 0;
    for (char c : digits) {
        const int d = digitValue(c, base);
        if (d < 0)
            return std::nullopt;
        value = value * base + d;
        if (value > std::int64_t(INT32_MAX) + 1) // past any 32-bit value: stop early
            return std::nullopt;
    }
    return value;
}

std::optional<std::int32_t> inRange(std::int64_t value) {
    if (value < INT32_MIN || value > INT32_MAX)
        return std::nullopt;
    return std::int32_t(value);
}

} // namespace

EIniFileException::EIniFileException(const std::string &fileName)
    : std::runtime_error("Ne peut écrire dans " + fileName) {}

std::optional<std::int32_t> parseIniInteger(std::string_view text) {
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        const auto value = magnitude(text.substr(2), 16);
        return value ? inRange(*value) : std::nullopt;
    }
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (!text.empty() && text.front() == '$') {
        base = 16;
        text.remove_prefix(1);
    }
    const auto value = magnitude(text, base);
    if (!value)
        return std::nullopt;
    return inRange(negative ? -*value : *value);
}

std::string TIniFile::ReadString(std::string_view section, std::string_view ident,
                                 std::string_view defaultValue) const {
    namespace profile = platform::profile;
    std::optional<std::string> value;
    if (m_batch) {
        if (m_batch->file.state != profile::FileContent::State::Unusable)
            value = profile::readValue(m_batch->bytes, section, ident);
    } else {
        const profile::FileContent file = profile::readFile(m_fileName);
        if (file.state == profile::FileContent::State::Read)
            value = profile::readValue(file.bytes, section, ident);
    }
    return value ? std::move(*value) : std::string(defaultValue);
}

std::int32_t TIniFile::ReadInteger(std::string_view section, std::string_view ident,
                                   std::int32_t defaultValue) const {
    return parseIniInteger(ReadString(section, ident, "")).value_or(defaultValue);
}

bool TIniFile::ReadBool(std::string_view section, std::string_view ident, bool defaultValue) const {
    return ReadInteger(section, ident, defaultValue ? 1 : 0) != 0;
}

template <typename Edit> void TIniFile::update(Edit edit) {
    namespace profile = platform::profile;
    if (m_batch) {
        if (m_batch->file.state == profile::FileContent::State::Unusable)
            throw EIniFileException(m_fileName);
        m_batch->bytes = edit(m_batch->bytes);
        return;
    }
    const profile::FileContent file = profile::readFile(m_fileName);
    store(file, edit(file.bytes));
}

void TIniFile::store(const platform::profile::FileContent &file, const std::string &bytes) {
    namespace profile = platform::profile;
    // A file that cannot be read whole cannot be rewritten without losing it.
    if (file.state == profile::FileContent::State::Unusable)
        throw EIniFileException(m_fileName);
    if (bytes == file.bytes) {
        // Nothing to change, but a file that refuses writes is reported all the same.
        if (!profile::canWrite(m_fileName))
            throw EIniFileException(m_fileName);
        return;
    }
    if (!profile::replaceFile(m_fileName, bytes))
        throw EIniFileException(m_fileName);
}

void TIniFile::WriteString(std::string_view section, std::string_view ident,
                           std::string_view value) {
    update([&](const std::string &text) {
        return platform::profile::writeValue(text, section, ident, value);
    });
}

void TIniFile::WriteInteger(std::string_view section, std::string_view ident, std::int32_t value) {
    WriteString(section, ident, std::to_string(value));
}

void TIniFile::WriteBool(std::string_view section, std::string_view ident, bool value) {
    WriteString(section, ident, value ? "1" : "0");
}

void TIniFile::EraseSection(std::string_view section) {
    update([&](const std::string &text) { return platform::profile::eraseSection(text, section); });
}

void TIniFile::BeginBatch() {
    platform::profile::FileContent file = platform::profile::readFile(m_fileName);
    std::string bytes = file.bytes;
    m_batch = Batch{std::move(file), std::move(bytes)};
}

void TIniFile::CommitBatch() {
    if (!m_batch)
        return;
    const Batch batch = std::move(*m_batch);
    m_batch.reset();
    store(batch.file, batch.bytes);
}
