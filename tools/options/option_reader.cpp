// SPDX-License-Identifier: GPL-3.0-or-later
// The command-line reader of the plain C++ tools.
#include "tools/options/option_reader.h"

#include <algorithm>
#include <cctype>

namespace kelvaro {
namespace detail {

bool isWholeNumber(std::string_view text)
{
    if (text.starts_with('-'))
        text.remove_prefix(1);
    return !text.empty() && std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); });
}

Message notWholeNumber(std::string_view text) { return optionMessage(option_words::not_whole, {std::string(text)}); }

Message outOfRange(std::string_view text, bool below, const std::string& bound)
{
    return optionMessage(below ? option_words::less_than : option_words::more_than, {std::string(text), bound});
}

} // namespace detail

ValueReader anyText(std::string& target)
{
    return [&target](std::string_view text) -> std::optional<Message> {
        target = text;
        return std::nullopt;
    };
}

OptionReader::OptionReader(std::string program, std::string usage, std::string version)
    : program_(std::move(program)), usage_(std::move(usage)), version_(std::move(version))
{
    flag("--help", help_);
    flag("--version", version_asked_);
}

OptionReader& OptionReader::flag(std::string name, bool& on)
{
    options_.push_back({std::move(name), &on, {}});
    return *this;
}

OptionReader& OptionReader::option(std::string name, std::vector<ValueReader> values)
{
    options_.push_back({std::move(name), nullptr, std::move(values)});
    return *this;
}

OptionReader& OptionReader::operands(std::vector<std::string>& into, std::size_t fewest, std::size_t most,
                                     std::string what)
{
    operands_ = &into;
    fewest_ = fewest;
    most_ = most;
    what_ = std::move(what);
    return *this;
}

OptionReader& OptionReader::wording(std::function<std::string(const Message&)> show)
{
    show_ = std::move(show);
    return *this;
}

int OptionReader::fail(const Message& problem, std::ostream& err) const
{
    err << program_ << ": " << (show_ ? show_(problem) : english(problem)) << '\n';
    return 2;
}

std::optional<int> OptionReader::read(int argc, const char* const* argv, std::ostream& out, std::ostream& err)
{
    help_ = version_asked_ = false;
    const std::vector<std::string_view> args(argv + std::min(argc, 1), argv + argc);
    std::vector<std::string> operands;
    bool options_ended = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (options_ended || !args[i].starts_with("--"))
            operands.emplace_back(args[i]);
        else if (args[i] == "--")
            options_ended = true;
        else if (const std::optional<Message> problem = readOption(args, i))
            return fail(*problem, err);
    }
    if (help_) {
        out << usage_;
        return 0;
    }
    if (version_asked_) {
        out << version_ << '\n';
        return 0;
    }
    if (operands.size() < fewest_)
        return fail(optionMessage(option_words::missing, {what_}), err);
    if (operands.size() > most_)
        return fail(optionMessage(option_words::unexpected, {operands[most_]}), err);
    if (operands_)
        *operands_ = std::move(operands);
    return std::nullopt;
}

std::optional<Message> OptionReader::readOption(const std::vector<std::string_view>& args, std::size_t& i) const
{
    const std::size_t equals = args[i].find('=');
    const std::string name(args[i].substr(0, equals));
    const auto option = std::find_if(options_.begin(), options_.end(), [&](const Option& o) { return o.name == name; });
    if (option == options_.end())
        return optionMessage(option_words::unknown, {name});
    if (option->on) {
        if (equals != std::string_view::npos)
            return optionMessage(option_words::no_value, {name});
        *option->on = true;
        return std::nullopt;
    }
    const std::size_t wanted = option->values.size();
    std::vector<std::string_view> values;
    if (equals != std::string_view::npos)
        values.push_back(args[i].substr(equals + 1));
    while (values.size() < wanted && i + 1 < args.size())
        values.push_back(args[++i]);
    if (values.size() < wanted)
        return wanted == 1 ? optionMessage(option_words::needs_value, {name})
                           : optionMessage(option_words::needs_values, {name, wanted});
    for (std::size_t k = 0; k < wanted; ++k)
        if (const std::optional<Message> problem = option->values[k](values[k]))
            return optionMessage(option_words::wrong_value, {name, *problem});
    return std::nullopt;
}

} // namespace kelvaro
