// SPDX-License-Identifier: GPL-3.0-or-later
// The words kel_check reports in: its English templates as written, or in the reader's language.
#pragma once

#include "level/message.h"

#include <initializer_list>
#include <string>

namespace kelvaro {

// kel_check's own templates are marked QT_TRANSLATE_NOOP(check_context, ...), plural ones
// QT_TRANSLATE_N_NOOP; the library only words them, the program decides the language.
inline constexpr const char* check_context = "KelCheck";

class ReportWords {
public:
    virtual ~ReportWords() = default;
    // `source` in the reader's language with its %1-style places filled by `args`.
    virtual std::string text(const char* source, std::initializer_list<std::string> args = {}) const;
    // `n` things: `many` ("%n walks") in the reader's plural form, in English `one` for one;
    // other places filled by `args`.
    virtual std::string counted(const char* many, const char* one, int n,
                                std::initializer_list<std::string> args = {}) const;
    // A message of the core (a reading error, a mark, a cell count) as the reader reads it.
    virtual std::string core(const Message& message) const { return kelvaro::english(message); }
    // Whether the words are the English sources.
    virtual bool english() const { return true; }
};

// The English templates as they are written.
const ReportWords& englishWords();

} // namespace kelvaro
