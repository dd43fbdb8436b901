// SPDX-License-Identifier: GPL-3.0-or-later
// Messages listed and worded in English.
#include "level/message.h"

#include <ostream>

namespace kelvaro {

Message listed(const std::vector<Message>& items, const char* joint)
{
    if (items.empty())
        return {};
    // "%1, %2" with the rest of the list in %2, so a list of any length needs no place above %2.
    const std::string pair = std::string("%1") + joint + "%2";
    Message list = items.back();
    for (auto item = items.rbegin() + 1; item != items.rend(); ++item)
        list = Message("", pair, {*item, std::move(list)});
    return list;
}

std::string english(const Message& message)
{
    std::string source = message.count && *message.count == 1 && !message.one.empty() ? message.one : message.source;
    if (message.count) {
        const std::string n = std::to_string(*message.count);
        for (std::size_t at = source.find("%n"); at != std::string::npos; at = source.find("%n", at + n.size()))
            source.replace(at, 2, n);
    }
    std::vector<std::string> args;
    for (const MessageArg& arg : message.args)
        args.push_back(arg.message ? english(*arg.message) : arg.value);
    return filled(source, args);
}

std::ostream& operator<<(std::ostream& out, const Message& message) { return out << english(message); }

} // namespace kelvaro
