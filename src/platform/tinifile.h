// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// TIniFile, the settings-file access: holds only the file's path; every read and
// write goes to the file at once, so a file changed by another program between
// two calls is read afresh. A batch holds a run of writes back and puts them on
// the disk together. Plain C++, no Qt.

#include "platform/profilefile.h"

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

// Raised when the file cannot be written: "Ne peut écrire dans <path>".
class EIniFileException : public std::runtime_error {
public:
    explicit EIniFileException(const std::string &fileName);
};

// The integer in a value text: "0x" or "0X" then hexadecimal digits (in a text
// longer than two characters); otherwise leading blanks, then an optional sign
// and decimal digits or "$" and hexadecimal digits. Nothing for any other text
// or a value outside the 32-bit signed range.
std::optional<std::int32_t> parseIniInteger(std::string_view text);

class TIniFile {
public:
    explicit TIniFile(std::string fileName) : m_fileName(std::move(fileName)) {}

    std::string ReadString(std::string_view section, std::string_view ident,
                           std::string_view defaultValue) const;
    std::int32_t ReadInteger(std::string_view section, std::string_view ident,
                             std::int32_t defaultValue) const;
    bool ReadBool(std::string_view section, std::string_view ident, bool defaultValue) const;

    // The writes raise EIniFileException and leave the file as it was when it
    // cannot be written.
    void WriteString(std::string_view section, std::string_view ident, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view ident, std::int32_t value);
    void WriteBool(std::string_view section, std::string_view ident, bool value);
    void EraseSection(std::string_view section);

    // From here on the writes change the file as read now, in memory, and reads
    // see them; CommitBatch puts the result on the disk as one replacement of
    // the file, so that nothing but the old file or the whole new one is ever
    // there. A batch never committed changes nothing.
    void BeginBatch();
    // Raises EIniFileException, leaving the file as it was, when it cannot be
    // written.
    void CommitBatch();

private:
    struct Batch {
        platform::profile::FileContent file; // as read when the batch began
        std::string bytes;                   // as the writes leave it
    };

    template <typename Edit> void update(Edit edit);
    // The one write of an edit or a batch.
    void store(const platform::profile::FileContent &file, const std::string &bytes);

    std::string m_fileName;
    std::optional<Batch> m_batch;
};
