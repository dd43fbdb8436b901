// SPDX-License-Identifier: GPL-3.0-or-later
// The core's messages worded in the translation the page loaded: phrases, plural forms, places, and English without one.
#include "web/web_translation.h"
#include "web/web_dialogs.h"
#include "web/tests/fake_page.h"

#include <gtest/gtest.h>

namespace kelvaro {
namespace {

TEST(WebTranslation, WithoutTextsEveryMessageIsItsEnglish)
{
    WebTranslation none;
    const std::vector<Message> messages{
        phrase("GameWindow", "TIME : %1", {42}),
        counted("kelvaro::LevelChooser", "%n levels", "%n level", 1),
        counted("kelvaro::LevelChooser", "%n levels", "%n level", 3),
        phrase("GameWindow", "Level %1 cannot be played.\n\n%2", {7, phrase("GameWindow", "it cannot be read")}),
        listed({plainText("a"), phrase("x", "b"), plainText("c")}),
    };
    for (const Message& message : messages)
        EXPECT_EQ(none.worded(message), english(message));
}

TEST(WebTranslation, PhrasesAndNestedMessagesAreTranslatedValuesAreNot)
{
    WebTranslation german;
    german.reset("de");
    german.add("GameWindow", "Level %1 cannot be played.\n\n%2", 0, "Level %1 kann nicht gespielt werden.\n\n%2");
    german.add("GameWindow", "it cannot be read", 0, "sie ist nicht lesbar");
    german.add("kelvaro::MainWindow", "New game", 0, "Neues Spiel");
    EXPECT_EQ(german.worded(phrase("GameWindow", "Level %1 cannot be played.\n\n%2",
                                   {7, phrase("GameWindow", "it cannot be read")})),
              "Level 7 kann nicht gespielt werden.\n\nsie ist nicht lesbar");
    // A value that happens to read as a phrase, a phrase of another context, a text in no
    // language and a phrase without a translation all stay as they are.
    EXPECT_EQ(german.worded(phrase("GameWindow", "Level %1 cannot be played.\n\n%2", {std::string("%2"), std::string("New game")})),
              "Level %2 kann nicht gespielt werden.\n\nNew game");
    EXPECT_EQ(german.worded(phrase("GameWindow", "New game")), "New game");
    EXPECT_EQ(german.worded(plainText("New game")), "New game");
    EXPECT_EQ(german.worded(phrase("GameWindow", "WINNER!")), "WINNER!");

    german.reset("en");
    EXPECT_EQ(german.worded(phrase("kelvaro::MainWindow", "New game")), "New game");
}

TEST(WebTranslation, CountsTakeTheLanguagesPluralForm)
{
    WebTranslation polish;
    polish.reset("pl");
    polish.add("kelvaro::RecordsWindow", "%n days solved", 0, "Rozwiązano %n dzień");
    polish.add("kelvaro::RecordsWindow", "%n days solved", 1, "Rozwiązano %n dni (2-4)");
    polish.add("kelvaro::RecordsWindow", "%n days solved", 2, "Rozwiązano %n dni");
    const auto days = [&](int n) { return polish.worded(counted("kelvaro::RecordsWindow", "%n days solved", "%n day solved", n)); };
    EXPECT_EQ(days(1), "Rozwiązano 1 dzień");
    EXPECT_EQ(days(3), "Rozwiązano 3 dni (2-4)");
    EXPECT_EQ(days(22), "Rozwiązano 22 dni (2-4)");
    EXPECT_EQ(days(0), "Rozwiązano 0 dni");
    EXPECT_EQ(days(5), "Rozwiązano 5 dni");
    EXPECT_EQ(days(12), "Rozwiązano 12 dni");
    EXPECT_EQ(days(112), "Rozwiązano 112 dni");

    EXPECT_EQ(pluralForm("fr", 0), 0);
    EXPECT_EQ(pluralForm("fr", 1), 0);
    EXPECT_EQ(pluralForm("fr", 2), 1);
    EXPECT_EQ(pluralForm("pt_BR", 0), 0);
    EXPECT_EQ(pluralForm("de", 0), 1);
    EXPECT_EQ(pluralForm("de", 1), 0);
    EXPECT_EQ(pluralForm("it", 21), 1);
}

TEST(WebTranslation, TheBoxesAreWordedInThePagesLanguage)
{
    pageTranslation().reset("de");
    pageTranslation().add("kelvaro::TextWindow", "HELP", 0, "HILFE");
    FakePage page;
    Images images;
    WebDialogs dialogs(page, images);
    dialogs.showHelp([] {});
    pageTranslation().reset("en");
    ASSERT_EQ(page.calls.size(), 1u);
    EXPECT_EQ(page.calls[0].rfind("box 1 3 HILFE: ", 0), 0u) << page.calls[0];
}

} // namespace
} // namespace kelvaro
