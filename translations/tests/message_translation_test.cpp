// SPDX-License-Identifier: GPL-3.0-or-later
// Offscreen tests of the core's messages as a shell shows them: the phrase translated once, nested
// messages translated in their places, and the values as they are, however they are spelt.
#include "editor/core/editor_phrases.h"
#include "editor/qt/editor_window.h"
#include "game/desktop/level_chooser.h"
#include "game/play/played_set.h"
#include "game/records/records.h"
#include "i18n/translation.h"
#include "level/level_phrases.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <filesystem>
#include <fstream>

namespace kelvaro {
namespace fs = std::filesystem;

class MessageTranslationTest : public QObject {
    Q_OBJECT
    QTemporaryDir home_;
    const QString translations_ = QStringLiteral(KELVARO_APP_TRANSLATIONS);

    fs::path folder(const char* name) const { return fs::path(home_.path().toStdString()) / name; }

private slots:
    void init() { QCOMPARE(i18n::install(QStringLiteral("de"), translations_), QStringLiteral("de")); }
    void cleanup() { i18n::install(QStringLiteral("en"), translations_); }

    void aNestedMessageIsTranslatedAndItsValuesAreNot()
    {
        // "goal" as the value read from a field, and "goal" as the word for the mark.
        const LevelError error{LevelError::Kind::not_a_number, 3,
                               levelMessage(level_words::not_whole, {levelMessage(level_words::header_names[2]), std::string("goal")})};
        const Message message = phrase(words::context, words::cannot_play, {3, levelFault("/x/maze%2.txt", error)});
        QCOMPARE(i18n::shown(message), QStringLiteral("Level 3 kann nicht gespielt werden.\n\nDie Leveldatei /x/maze%2.txt ist "
                                                      "beschädigt:\nZeile 3: Juwel-Spalte „goal“ ist keine ganze Zahl."));
        QCOMPARE(i18n::shown(levelMessage(level_words::goal)), QStringLiteral("Ziel"));
        QCOMPARE(i18n::shown(plainText("goal")), QStringLiteral("goal"));
        // A set titled like a word of the game keeps its title.
        QCOMPARE(i18n::shown(gameMessage(words::set_empty, {std::string("goal")})),
                 QStringLiteral("Die Levelsammlung „goal“ enthält kein Level."));
        const Message marks = editorMessage(editor_words::marks_missing,
                                            {listed({levelMessage(level_words::start), levelMessage(level_words::goal)})});
        QCOMPARE(i18n::shown(marks), QStringLiteral("Markierungen: es fehlt Start, Ziel"));
        QCOMPARE(i18n::shown(listed({editorMessage(editor_words::frame_closed), editorMessage(editor_words::unsolvable)}, "\n")),
                 QStringLiteral("Rahmen: geschlossen\nunlösbar"));
    }

    void aCountedMessageTakesThePluralFormOfItsLanguage()
    {
        const char* many = QT_TRANSLATE_N_NOOP("kelvaro::LevelChooser", "%n levels");
        i18n::install(QStringLiteral("fr"), translations_);
        QCOMPARE(i18n::shown(counted("kelvaro::LevelChooser", many, "1 level", 1)), QStringLiteral("1 niveau"));
        QCOMPARE(i18n::shown(counted("kelvaro::LevelChooser", many, "1 level", 3)), QStringLiteral("3 niveaux"));
        i18n::install(QStringLiteral("en"), translations_);
        QCOMPARE(i18n::shown(counted("kelvaro::LevelChooser", many, "1 level", 1)), QStringLiteral("1 level"));
        QCOMPARE(i18n::shown(counted("kelvaro::LevelChooser", many, "1 level", 3)), QStringLiteral("3 levels"));
    }

    // What the author typed is quoted back as typed, even a word the editor itself uses.
    void theEditorQuotesTheAuthorsTextAsItIs()
    {
        fs::create_directories(folder("editor") / "maps");
        EditorWindow window(folder("editor"));
        QStringList said;
        window.setMessageSink([&said](const QString& text) { said << text; });
        window.show();
        for (const char* box : {"timeBox", "xBox"}) {
            auto* edit = window.findChild<QLineEdit*>(box);
            edit->selectAll();
            QTest::keyClicks(edit, QStringLiteral("goal"));
        }
        QTest::mouseClick(window.findChild<QPushButton*>("saveButton"), Qt::LeftButton);
        QTest::mouseClick(window.findChild<QPushButton*>("resetButton"), Qt::LeftButton);
        QCOMPARE(said.size(), 2);
        QVERIFY2(said[0].contains(QStringLiteral("die Zeit „goal“ ist keine ganze Zahl")), qPrintable(said[0]));
        QVERIFY2(said[1].contains(QStringLiteral("„goal“")), qPrintable(said[1]));
    }

    // A level that cannot be played, and a set folder that cannot be read, in the player's language.
    void theChooserTranslatesTheReadersWords()
    {
        const fs::path maps = folder("chooser") / "goal";
        fs::create_directories(maps);
        std::ofstream(maps / "maze1.txt") << "7\n";
        const LevelSet set = readLevelSet(maps);
        QCOMPARE(set.levels.size(), std::size_t{1});
        const Result<GameLevel> read = loadGameLevel(set.levels.front().file);
        QVERIFY(!read);
        const QString text = *unplayable(set, set.levels.front(), read.error());
        QVERIFY2(text.startsWith(QStringLiteral("Level 1 kann nicht gespielt werden.\n\nDie Leveldatei ")), qPrintable(text));
        QVERIFY2(text.contains(QString::fromStdString(set.levels.front().file.string())), qPrintable(text));
        QVERIFY2(text.endsWith(QStringLiteral(": die Datei endet vor: Höchster Zeilenindex.")), qPrintable(text));
        LevelSet gone = readLevelSet(folder("chooser") / "nowhere");
        QVERIFY(gone.problem);
        QCOMPARE(i18n::shown(*gone.problem), QStringLiteral("Den Ordner gibt es nicht mehr."));
    }

    // The records file's name is a value; why it is damaged a message of its own.
    void aDamagedRecordsFileIsToldInThePlayersLanguage()
    {
        const fs::path file = folder("records") / "goal";
        fs::create_directories(file.parent_path());
        std::ofstream(file) << "damaged\n";
        Records records(file);
        const std::optional<Message> said = records.load();
        QVERIFY(said);
        const QString text = i18n::shown(*said);
        QVERIFY2(text.startsWith("Die Bestleistungsdatei " + QString::fromStdString(file.string()) + " ist beschädigt (Zeile "),
                 qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral(" ist beschädigt).\n\nSie wurde als ")), qPrintable(text));
    }
};

} // namespace kelvaro

QTEST_MAIN(kelvaro::MessageTranslationTest)
#include "message_translation_test.moc"
