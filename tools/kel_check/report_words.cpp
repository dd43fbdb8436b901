// SPDX-License-Identifier: GPL-3.0-or-later
// kel_check's English words: the templates filled as they are.
#include "tools/kel_check/report_words.h"

namespace kelvaro {

std::string ReportWords::text(const char* source, std::initializer_list<std::string> args) const
{
    return fill(source, args);
}

std::string ReportWords::counted(const char* many, const char* one, int n, std::initializer_list<std::string> args) const
{
    std::string form = n == 1 ? one : many;
    if (const std::size_t at = form.find("%n"); at != std::string::npos)
        form.replace(at, 2, std::to_string(n));
    return fill(form, args);
}

const ReportWords& englishWords()
{
    static const ReportWords english;
    return english;
}

} // namespace kelvaro
