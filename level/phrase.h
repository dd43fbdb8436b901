// SPDX-License-Identifier: GPL-3.0-or-later
// English texts the plain core words for a person, marked for Qt's lupdate without including Qt.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

// lupdate finds the texts by this name; the core only needs the text itself.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x  // as Qt defines it, so either may come first
#endif
#ifndef QT_TRANSLATE_N_NOOP
#define QT_TRANSLATE_N_NOOP(scope, x) x  // a text with a %n count, translated in plural forms
#endif

namespace kelvaro {

// A text the core may hand to a shell, under the translation context it is filed in.
// A shell recognises the text (its %1-style places filled) and shows it translated.
struct Phrase {
    const char* context;
    const char* source;
};

// `source` with %1 ... %9 replaced by `args` in one pass, as QString::arg fills a translation,
// so an argument holding "%2" is left as it is.
inline std::string filled(std::string_view source, const std::vector<std::string>& args)
{
    std::string out;
    for (std::size_t i = 0; i < source.size(); ++i) {
        const char next = i + 1 < source.size() ? source[i + 1] : '\0';
        const std::size_t index = static_cast<std::size_t>(next - '1');
        if (source[i] == '%' && next >= '1' && next <= '9' && index < args.size()) {
            out += args[index];
            ++i;
        } else {
            out += source[i];
        }
    }
    return out;
}

inline std::string fill(std::string_view source, std::initializer_list<std::string> args)
{
    return filled(source, std::vector<std::string>(args));
}

} // namespace kelvaro
