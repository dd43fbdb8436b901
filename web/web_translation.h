// SPDX-License-Identifier: GPL-3.0-or-later
// The page's language: the translation the page hands over, and the core's messages worded in it.
#pragma once

#include "level/message.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace kelvaro {

// Which of a translation's plural forms language `code` ("de", "pl", "pt_BR") takes for `n`,
// by the rules Qt's lrelease writes into the desktop's translations.
int pluralForm(const std::string& code, int n);

class WebTranslation {
public:
    // Forgets every text: from now on in language `code` ("en" or a code without texts: English).
    void reset(const std::string& code);
    // Form `form` of the translation of `source` in `context`: 0 for a text without %n.
    void add(const std::string& context, const std::string& source, int form, std::string text);
    const std::string& language() const { return code_; }

    // The message as the player reads it: its phrase translated, in its plural form for a %n one,
    // its places filled with the values as they are and the nested messages worded in turn. A
    // text without a translation stays English, as on the desktop.
    std::string worded(const Message& message) const;

private:
    std::string code_ = "en";
    std::map<std::pair<std::string, std::string>, std::vector<std::string>> texts_;
};

// The translation the page's texts are worded in, as the page chose it.
WebTranslation& pageTranslation();

// Messages in the page's language.
std::string worded(const Message& message);
std::vector<std::string> worded(const std::vector<Message>& messages);

} // namespace kelvaro
