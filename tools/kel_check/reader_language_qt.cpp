// SPDX-License-Identifier: GPL-3.0-or-later
// kel_check's words through Qt's translations, found beside the program as the game's are.
#include "tools/kel_check/reader_language.h"

#include "i18n/translation.h"

#include <QCoreApplication>

#include <clocale>

namespace kelvaro {
namespace {

class TranslatedWords : public ReportWords {
public:
    std::string text(const char* source, std::initializer_list<std::string> args) const override
    {
        return fill(QCoreApplication::translate(check_context, source).toStdString(), args);
    }
    std::string counted(const char* many, const char* one, int n, std::initializer_list<std::string> args) const override
    {
        return fill(i18n::counted(check_context, many, one, n).toStdString(), args);
    }
    std::string core(const Message& message) const override { return i18n::shown(message).toStdString(); }
    bool english() const override { return !i18n::active(); }
};

} // namespace

const ReportWords& readersWords(int& argc, char** argv)
{
    // The translators need an application object; it stays until the program ends.
    static QCoreApplication* const app = new QCoreApplication(argc, argv);
    (void)app;
    // Qt takes the desktop's locale for everything; the figures keep their decimal point.
    std::setlocale(LC_NUMERIC, "C");
    i18n::install(i18n::chosenLanguage());
    static const TranslatedWords words;
    return words;
}

} // namespace kelvaro
