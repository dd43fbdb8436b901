// SPDX-License-Identifier: GPL-3.0-or-later
// The web page words every text of every language as the desktop does: the JSON the page loads,
// read into the page's translation, against Qt's translator reading the .qm of the same .ts.
#include "i18n/translation.h"
#include "web/web_translation.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

namespace kelvaro {

class WebTranslationMatchTest : public QObject {
    Q_OBJECT
    const QString translations_ = QStringLiteral(KELVARO_APP_TRANSLATIONS);
    const QString page_ = QStringLiteral(KELVARO_PAGE_TRANSLATIONS);

    // The page's JSON for `code`, as the page hands it to the core.
    static QJsonObject loaded(const QString& file, WebTranslation& web, const QString& code)
    {
        QFile json(file);
        if (!json.open(QIODevice::ReadOnly))
            return {};
        const QJsonObject messages = QJsonDocument::fromJson(json.readAll()).object().value("messages").toObject();
        web.reset(code.toStdString());
        for (auto context = messages.begin(); context != messages.end(); ++context) {
            const QJsonObject texts = context.value().toObject();
            for (auto text = texts.begin(); text != texts.end(); ++text) {
                const QJsonArray forms = text.value().isArray() ? text.value().toArray() : QJsonArray{text.value()};
                for (int form = 0; form < forms.size(); ++form)
                    web.add(context.key().toStdString(), text.key().toStdString(), form, forms[form].toString().toStdString());
            }
        }
        return messages;
    }

private slots:
    void cleanup() { i18n::install(QStringLiteral("en"), translations_); }

    void everyTextOfEveryLanguageIsWordedAlike()
    {
        const std::vector<MessageArg> values{std::string("«a»"), std::string("«b»"), std::string("«c»")};
        const int counts[] = {0, 1, 2, 3, 4, 5, 11, 12, 14, 21, 22, 25, 101, 102, 112, 1000};
        int compared = 0;
        for (const QString& code : i18n::available(translations_)) {
            if (code == QLatin1String("en"))
                continue;
            QCOMPARE(i18n::install(code, translations_), code);
            WebTranslation web;
            const QJsonObject messages = loaded(page_ + "/" + code + ".json", web, code);
            QVERIFY2(!messages.isEmpty(), qPrintable(code));
            for (auto context = messages.begin(); context != messages.end(); ++context) {
                const QJsonObject texts = context.value().toObject();
                for (auto text = texts.begin(); text != texts.end(); ++text) {
                    const std::string c = context.key().toStdString(), source = text.key().toStdString();
                    std::vector<Message> messages_of_text;
                    if (text.value().isArray()) {
                        for (const int n : counts)
                            messages_of_text.emplace_back(c, source, values, n, "one");
                    } else {
                        messages_of_text.emplace_back(c, source, values);
                    }
                    for (const Message& message : messages_of_text) {
                        QCOMPARE(QString::fromStdString(web.worded(message)), i18n::shown(message));
                        ++compared;
                    }
                }
            }
        }
        QVERIFY(compared > 6 * 300);
    }
};

} // namespace kelvaro

QTEST_MAIN(kelvaro::WebTranslationMatchTest)
#include "web_translation_match_test.moc"
