// SPDX-License-Identifier: GPL-3.0-or-later
// Loading the translations found beside the program, and the core's messages worded in them.
#include "i18n/translation.h"

#include <QCoreApplication>
#include <QDir>
#include <QHash>
#include <QLibraryInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QSettings>
#include <QTranslator>

#include <memory>
#include <cstdio>

namespace kelvaro::i18n {
namespace {

bool& translating()
{
    static bool on = false;
    return on;
}

QString& chosenFolder()
{
    static QString folder;
    return folder;
}

QString defaultFolder()
{
    return chosenFolder().isEmpty() ? QCoreApplication::applicationDirPath() + QStringLiteral("/translations") : chosenFolder();
}

std::unique_ptr<QSettings> settings(const QString& file)
{
    if (file.isEmpty())
        return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, "kelvaro", "kelvaro");
    return std::make_unique<QSettings>(file, QSettings::IniFormat);
}

QTranslator* replace(QTranslator*& slot)
{
    if (slot) {
        QCoreApplication::removeTranslator(slot);
        delete slot;
    }
    slot = new QTranslator;  // kept while the program runs, whatever application object comes and goes
    return slot;
}

} // namespace

QString chosenLanguage(const QString& file)
{
    const auto kept = settings(file);
    if (kept->status() != QSettings::NoError)
        return {};
    const QString code = kept->value(language_key).toString();
    // A hand-damaged value is ignored rather than searched for on disk.
    static const QRegularExpression valid(QStringLiteral("^[a-z]{2,3}(_[A-Z]{2})?$"));
    return valid.match(code).hasMatch() ? code : QString();
}

void chooseLanguage(const QString& code, const QString& file)
{
    const auto kept = settings(file);
    if (kept->status() != QSettings::NoError)
        return;  // a file it could not read is not written over
    if (code.isEmpty())
        kept->remove(language_key);
    else
        kept->setValue(language_key, code);
}

QString install(const QString& code, QString folder)
{
    static QTranslator* ours = nullptr;
    static QTranslator* qts = nullptr;
    if (folder.isEmpty())
        folder = defaultFolder();
    const QLocale locale = QLocale::system();
    translating() = false;
    if (ours)
        QCoreApplication::removeTranslator(ours);
    if (qts)
        QCoreApplication::removeTranslator(qts);
    if (code == QLatin1String("en"))
        return {};
    QTranslator* translator = replace(ours);
    const bool found = code.isEmpty() ? translator->load(locale, "kelvaro", "_", folder)
                                      : translator->load("kelvaro_" + code, folder);
    // An English desktop finds no translation: the texts stay the source texts.
    if (!found || translator->language().startsWith(QLatin1String("en")))
        return {};
    QCoreApplication::installTranslator(translator);
    QTranslator* qt = replace(qts);
    if (qt->load(QLocale(translator->language()), "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    translating() = true;
    return translator->language();
}

void useFolder(const QString& folder) { chosenFolder() = folder; }

QStringList available(QString folder)
{
    if (folder.isEmpty())
        folder = defaultFolder();
    QStringList codes{QStringLiteral("en")};
    for (const QString& file : QDir(folder).entryList({"kelvaro_*.qm"}, QDir::Files, QDir::Name)) {
        const QString code = file.mid(8).chopped(3);
        if (QLocale(code).language() != QLocale::C)
            codes << code;
    }
    return codes;
}

QString nativeName(const QString& code)
{
    // Each language as its speakers name it in a menu; Qt's own names add a country to some
    // ("American English") that the translation does not have.
    static const QHash<QString, QString> names{
        {"en", "English"},  {"de", "Deutsch"}, {"fr", "Français"},
        {"es", "Español"},  {"it", "Italiano"}, {"pl", "Polski"},
        {"pt_BR", "Português (Brasil)"},
    };
    if (const auto known = names.find(code); known != names.end())
        return known.value();
    const QString name = QLocale(code).nativeLanguageName();
    return name.isEmpty() ? code : name.left(1).toUpper() + name.mid(1);
}

void printTranslated(int argc, char* argv[], const char* context, const char* text)
{
    QCoreApplication app(argc, argv);  // the translators need one; no display does
    install(chosenLanguage());
    std::fputs(QCoreApplication::translate(context, text).toLocal8Bit().constData(), stdout);
    install(QStringLiteral("en"));  // the translators go with the application
}

bool active() { return translating(); }

QString counted(const char* context, const char* many, const char* one, int n)
{
    if (translating())
        return QCoreApplication::translate(context, many, nullptr, n);
    return QString::fromUtf8(n == 1 ? one : many).replace(QLatin1String("%n"), QString::number(n));
}

namespace {

// `text` with %1 ... %9 replaced by `args` in one pass, so a value holding "%2" stays as it is.
QString filledIn(const QString& text, const QStringList& args)
{
    QString filled;
    for (int i = 0; i < text.size(); ++i) {
        const int index = i + 1 < text.size() ? text[i + 1].digitValue() - 1 : -1;
        if (text[i] == '%' && index >= 0 && index < args.size()) {
            filled += args[index];
            ++i;
        } else {
            filled += text[i];
        }
    }
    return filled;
}

} // namespace

QString shown(const Message& message)
{
    const QByteArray context = QByteArray::fromStdString(message.context);
    const QByteArray source = QByteArray::fromStdString(message.source);
    QString text;
    if (message.context.empty())
        text = QString::fromStdString(message.source);  // a list's joints or a text in no language
    else if (message.count)
        text = counted(context.constData(), source.constData(), message.one.c_str(), *message.count);
    else
        text = QCoreApplication::translate(context.constData(), source.constData());
    QStringList args;
    for (const MessageArg& arg : message.args)
        args << (arg.message ? shown(*arg.message) : QString::fromStdString(arg.value));
    return filledIn(text, args);
}

} // namespace kelvaro::i18n
