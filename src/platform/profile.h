// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The private-profile (INI) text form, as the old platform's profile functions
// read and write it: "[section]" header lines, "key=value" lines, ";" comments.
// Names match without regard to ASCII letter case; the first of two equal
// sections or keys counts. Edits keep every other byte of the text as it was.
// Plain C++ over bytes, so that it can be tested and fuzzed on its own.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace platform::profile {

// Longest value a read gives back, as the platform's 1024-byte buffer allows.
inline constexpr std::size_t MaxValueLength = 1023;

// The value of a key, trimmed of blanks and of one pair of enclosing matching
// quotes, cut at MaxValueLength; nothing when the section or the key is missing.
std::optional<std::string> readValue(std::string_view text, std::string_view section,
                                     std::string_view key);

// The text with the key set to the value: its line replaced in place, or a new
// line at the end of its section, or a new section at the end of the text.
// New lines take the text's first line end (CR LF for a text that has none).
// Section, key and value end at a line break or NUL, as a C string on one line.
std::string writeValue(std::string_view text, std::string_view section, std::string_view key,
                       std::string_view value);

// The text without the section's header and lines; the same text when the
// section is missing.
std::string eraseSection(std::string_view text, std::string_view section);

} // namespace platform::profile
