// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Feeds arbitrary bytes to the INI reader, writer and section eraser and to the
// integer reading, and checks what must hold whatever the text: a written value
// reads back, a second identical write changes nothing, and other sections read
// as before.

#include "platform/profile.h"
#include "platform/tinifile.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

namespace profile = platform::profile;

void check(bool condition) {
    if (!condition)
        std::abort();
}

const char *const Names[] = {"Chromohm", "version", "Informations", "status", "Position",
                             "x",        "y",       "POSITION",     "X",      "",
                             "s",        "k",       "a b"};
const char *const Values[] = {"1.0", "0", "1", "-1", "0x20", "$20", "abc", "", "2147483648"};

// Names from the end of the input pick from the program's own, or any text.
std::string pickName(FuzzedDataProvider &in) {
    const auto pick = in.ConsumeIntegral<std::uint8_t>();
    if (pick < 200)
        return Names[pick % std::size(Names)];
    return in.ConsumeRandomLengthString(12);
}

std::string pickValue(FuzzedDataProvider &in) {
    const auto pick = in.ConsumeIntegral<std::uint8_t>();
    if (pick < 100)
        return Values[pick % std::size(Values)];
    if (pick < 150)
        return std::to_string(in.ConsumeIntegral<std::int32_t>());
    return in.ConsumeRandomLengthString(2048);
}

bool blank(char c) {
    return c == ' ' || c == '\t' || c == '\v' || c == '\f';
}

// A name that the text form gives back exactly: no blanks at its ends, none of
// the characters that the form gives a meaning.
bool plainName(const std::string &name) {
    if (name.empty() || blank(name.front()) || blank(name.back()) || name.front() == ';' ||
        name.front() == '[')
        return false;
    return name.find_first_of(std::string("[]=\r\n\0", 6)) == std::string::npos &&
           name.substr(0, 3) != "\xEF\xBB\xBF";
}

bool plainValue(const std::string &value) {
    if (value.find_first_of(std::string("\r\n\0", 3)) != std::string::npos)
        return false;
    if (!value.empty() && (blank(value.front()) || blank(value.back())))
        return false;
    const bool quoted = value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                        value.back() == value.front();
    return !quoted;
}

bool sameName(const std::string &a, const std::string &b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c + 32) : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const std::string section = pickName(in);
    const std::string key = pickName(in);
    const std::string other = pickName(in);
    const std::string value = pickValue(in);
    const std::int32_t number = in.ConsumeIntegral<std::int32_t>();
    const std::string text = in.ConsumeRemainingBytesAsString();

    // Reading, and the integer reading of whatever is there.
    const auto read = profile::readValue(text, section, key);
    if (read) {
        check(read->size() <= profile::MaxValueLength);
        (void)parseIniInteger(*read);
    }
    (void)parseIniInteger(text.substr(0, 80));
    (void)parseIniInteger(value);

    // Integers written as the program writes them read back.
    check(parseIniInteger(std::to_string(number)) == number);

    // Writing. Names that the form would read as something else (a header, a
    // comment, a key cut at "=") only have to leave the text well formed.
    const std::string written = profile::writeValue(text, section, key, value);
    const bool plainNames = plainName(section) && plainName(key);
    const bool elsewhere = plainName(other) && !sameName(other, section);
    if (plainNames) {
        check(profile::writeValue(written, section, key, value) == written);
        if (plainValue(value)) {
            const auto back = profile::readValue(written, section, key);
            check(back && *back == value.substr(0, profile::MaxValueLength));
        }
        if (elsewhere)
            check(profile::readValue(written, other, key) == profile::readValue(text, other, key));
    }

    // Erasing.
    const std::string erased = profile::eraseSection(text, section);
    check(erased.size() <= text.size());
    check(profile::eraseSection(text, section + "\n") == erased);
    if (elsewhere)
        check(profile::readValue(erased, other, key) == profile::readValue(text, other, key));
    if (erased == text)
        check(!profile::readValue(text, section, key));
    return 0;
}
