// SPDX-License-Identifier: GPL-3.0-or-later
// A text the core hands a shell: a phrase and the values of its places, each shell wording it in its language.
#pragma once

#include "level/phrase.h"

#include <concepts>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kelvaro {

struct Message;
struct MessageArg;
bool sameArg(const MessageArg& a, const MessageArg& b);

// What fills one %1-style place: a value shown exactly as it is (a file name, a title, a figure,
// a system's own error text), or a message of its own, worded in the reader's language.
// A phrase constant does not turn into a value by itself: wrap it with phrase().
struct MessageArg {
    MessageArg(std::string value) : value(std::move(value)) {}
    template <std::integral N>
        requires(!std::same_as<N, bool> && !std::same_as<N, char>)
    MessageArg(N number) : value(std::to_string(number))
    {
    }
    MessageArg(Message message);

    std::string value;
    std::shared_ptr<const Message> message;  // set for a message; `value` is empty then

    // Found only for two places, so that a message is never compared with a string by way of them.
    friend bool operator==(const MessageArg& a, const MessageArg& b) { return sameArg(a, b); }
};

struct Message {
    Message() = default;
    Message(std::string context, std::string source, std::vector<MessageArg> args = {},
            std::optional<int> count = std::nullopt, std::string one = {})
        : context(std::move(context)), source(std::move(source)), args(std::move(args)), count(count), one(std::move(one))
    {
    }
    // A text in no language, shown as it is: what a stand-in reader in a test words.
    explicit Message(const char* plain) : source(plain) {}

    std::string context;  // the translation context; empty for words of no language (a list's commas)
    std::string source;   // the English phrase with its places
    std::vector<MessageArg> args;
    std::optional<int> count;  // the n of a %n phrase, which has plural forms
    std::string one;           // a %n phrase's English for one

    friend bool operator==(const Message&, const Message&) = default;
};

// The message in English, values and nested messages filled in: for logs, tests and the
// programs built without a translation.
std::string english(const Message& message);
// Writes the English words: what a test shows of a message it did not expect.
std::ostream& operator<<(std::ostream& out, const Message& message);

inline MessageArg::MessageArg(Message message) : message(std::make_shared<const Message>(std::move(message))) {}

// Two places hold the same when their values are the same, or their messages are.
inline bool sameArg(const MessageArg& a, const MessageArg& b)
{
    if (a.message && b.message)
        return *a.message == *b.message;
    return !a.message && !b.message && a.value == b.value;
}

// A phrase marked with QT_TRANSLATE_NOOP(context, source), its places filled by `args`.
inline Message phrase(const char* context, const char* source, std::vector<MessageArg> args = {})
{
    return Message(context, source, std::move(args));
}

// A text in no language, shown as it is: a tool's words that are never translated.
inline Message plainText(std::string text) { return Message("", std::move(text)); }

// A phrase marked with QT_TRANSLATE_N_NOOP: `many` ("%n levels") in the reader's plural form for
// `n`, in English `one` for one; %1-style places filled by `args`.
inline Message counted(const char* context, const char* many, const char* one, int n, std::vector<MessageArg> args = {})
{
    return Message(context, many, std::move(args), n, one);
}

// Messages in one line, "start (0, 3), goal (1, 1)", or one a line with `joint` "\n": each worded
// on its own, the joints in no language.
Message listed(const std::vector<Message>& items, const char* joint = ", ");


} // namespace kelvaro
