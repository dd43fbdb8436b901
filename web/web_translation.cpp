// SPDX-License-Identifier: GPL-3.0-or-later
// Messages worded in the translation the page loaded, with Qt's plural rules.
#include "web/web_translation.h"

#include <algorithm>

namespace kelvaro {

int pluralForm(const std::string& code, int n)
{
    if (code == "pl") {
        const int tens = n % 100;
        if (n == 1)
            return 0;
        return n % 10 >= 2 && n % 10 <= 4 && !(tens >= 10 && tens <= 20) ? 1 : 2;
    }
    // French and Brazilian Portuguese count nought with one.
    if (code == "fr" || code == "pt_BR")
        return n <= 1 ? 0 : 1;
    return n == 1 ? 0 : 1;
}

void WebTranslation::reset(const std::string& code)
{
    code_ = code;
    texts_.clear();
}

void WebTranslation::add(const std::string& context, const std::string& source, int form, std::string text)
{
    if (form < 0)
        return;
    std::vector<std::string>& forms = texts_[{context, source}];
    if (forms.size() <= static_cast<std::size_t>(form))
        forms.resize(static_cast<std::size_t>(form) + 1);
    forms[static_cast<std::size_t>(form)] = std::move(text);
}

std::string WebTranslation::worded(const Message& message) const
{
    // English fills in the places and the count; it is handed the translation as its phrase.
    Message shown = message;
    shown.args.clear();
    for (const MessageArg& arg : message.args)
        shown.args.emplace_back(arg.message ? worded(*arg.message) : arg.value);
    const auto found = message.context.empty() ? texts_.end() : texts_.find({message.context, message.source});
    if (found != texts_.end() && !found->second.empty()) {
        const std::vector<std::string>& forms = found->second;
        const int form = message.count ? pluralForm(code_, *message.count) : 0;
        shown.source = forms[std::min(static_cast<std::size_t>(std::max(form, 0)), forms.size() - 1)];
        shown.one = shown.source;
    }
    return english(shown);
}

WebTranslation& pageTranslation()
{
    static WebTranslation translation;
    return translation;
}

std::string worded(const Message& message) { return pageTranslation().worded(message); }

std::vector<std::string> worded(const std::vector<Message>& messages)
{
    std::vector<std::string> words;
    for (const Message& message : messages)
        words.push_back(worded(message));
    return words;
}

} // namespace kelvaro
