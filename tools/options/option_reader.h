// SPDX-License-Identifier: GPL-3.0-or-later
// The command-line reader of the plain C++ tools: flags, options with values, operands, --help and --version.
#pragma once

#include "level/message.h"

#include <charconv>
#include <concepts>
#include <cstddef>
#include <functional>
#include <iostream>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kelvaro {

// The words of a wrong command line, handed over as messages for a program that shows them translated.
namespace option_words {
inline constexpr const char* context = "ToolOptions";
inline constexpr const char* not_whole = QT_TRANSLATE_NOOP("ToolOptions", "'%1' is not a whole number");
inline constexpr const char* less_than = QT_TRANSLATE_NOOP("ToolOptions", "'%1' is less than %2");
inline constexpr const char* more_than = QT_TRANSLATE_NOOP("ToolOptions", "'%1' is more than %2");
inline constexpr const char* missing = QT_TRANSLATE_NOOP("ToolOptions", "missing %1");
inline constexpr const char* unexpected = QT_TRANSLATE_NOOP("ToolOptions", "unexpected argument '%1'");
inline constexpr const char* unknown = QT_TRANSLATE_NOOP("ToolOptions", "unknown option '%1'");
inline constexpr const char* no_value = QT_TRANSLATE_NOOP("ToolOptions", "option '%1' takes no value");
inline constexpr const char* needs_value = QT_TRANSLATE_NOOP("ToolOptions", "option '%1' needs a value");
inline constexpr const char* needs_values = QT_TRANSLATE_NOOP("ToolOptions", "option '%1' needs %2 values");
inline constexpr const char* wrong_value = QT_TRANSLATE_NOOP("ToolOptions", "option '%1': %2");
} // namespace option_words

// One of the words above, its places filled by `args`.
inline Message optionMessage(const char* source, std::vector<MessageArg> args = {})
{
    return phrase(option_words::context, source, std::move(args));
}

// Reads one value of an option into its target; answers what is wrong with the text otherwise.
using ValueReader = std::function<std::optional<Message>(std::string_view text)>;

namespace detail {
bool isWholeNumber(std::string_view text);  // an optional minus, then decimal digits only
Message notWholeNumber(std::string_view text);
Message outOfRange(std::string_view text, bool below, const std::string& bound);
} // namespace detail

// A whole number in decimal from `low` to `high`, with nothing before or after it.
template <std::integral T>
ValueReader wholeNumber(T& target, T low = std::numeric_limits<T>::min(), T high = std::numeric_limits<T>::max())
{
    return [&target, low, high](std::string_view text) -> std::optional<Message> {
        if (!detail::isWholeNumber(text))
            return detail::notWholeNumber(text);
        T value{};
        const std::errc error = std::from_chars(text.data(), text.data() + text.size(), value).ec;
        if (error == std::errc{} && value >= low && value <= high) {
            target = value;
            return std::nullopt;
        }
        // Beyond what T holds, or a minus before an unsigned number, is out of range as well.
        const bool below = error == std::errc{} ? value < low : text.starts_with('-');
        return detail::outOfRange(text, below, std::to_string(below ? low : high));
    };
}

// Any text, taken as it is.
ValueReader anyText(std::string& target);

class OptionReader {
public:
    // `usage` is printed for --help, `version` (a line) for --version; errors begin with `program`.
    OptionReader(std::string program, std::string usage, std::string version);
    OptionReader(const OptionReader&) = delete;  // it holds pointers to its own flags
    OptionReader& operator=(const OptionReader&) = delete;

    // An option without a value that sets `on`.
    OptionReader& flag(std::string name, bool& on);
    // An option followed by one value per reader: `--name V1 V2`, or `--name=V1 V2`.
    OptionReader& option(std::string name, std::vector<ValueReader> values);
    // The arguments that are no options, from `fewest` to `most` of them; `what` names one in errors.
    OptionReader& operands(std::vector<std::string>& into, std::size_t fewest, std::size_t most, std::string what);

    // Reads the command line. Answers the exit status when the program has nothing more
    // to do: 0 after printing the usage or version to `out`, 2 after one line to `err`
    // saying what is wrong; nothing when the program goes on. Options and operands may
    // come in any order; after `--` every argument is an operand.
    std::optional<int> read(int argc, const char* const* argv, std::ostream& out = std::cout,
                            std::ostream& err = std::cerr);

    // For what only the program can find wrong with a command line: one line to `err`, and 2.
    int fail(const Message& problem, std::ostream& err = std::cerr) const;
    int fail(const std::string& problem, std::ostream& err = std::cerr) const { return fail(plainText(problem), err); }
    int fail(const char* problem, std::ostream& err = std::cerr) const { return fail(std::string(problem), err); }

    // How a problem is shown, e.g. translated; in English by default.
    OptionReader& wording(std::function<std::string(const Message&)> show);

private:
    struct Option {
        std::string name;
        bool* on;  // a flag's; none for an option with values
        std::vector<ValueReader> values;
    };

    std::optional<Message> readOption(const std::vector<std::string_view>& args, std::size_t& i) const;

    std::string program_, usage_, version_;
    std::vector<Option> options_;
    std::vector<std::string>* operands_ = nullptr;
    std::size_t fewest_ = 0, most_ = 0;
    std::string what_;
    std::function<std::string(const Message&)> show_;
    bool help_ = false, version_asked_ = false;  // the built-in options' flags
};

} // namespace kelvaro
