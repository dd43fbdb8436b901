// SPDX-License-Identifier: GPL-3.0-or-later
// Offscreen tests of the programs' language: English untouched, the core's texts translated with their
// places, plural forms, a damaged setting ignored, and no text escaping a pseudo-translation.
#include "assets/tests/wait_until.h"
#include "editor/core/editor_phrases.h"
#include "editor/qt/editor_window.h"
#include "game/records/records.h"
#include "game/desktop/level_chooser.h"
#include "game/desktop/level_grid_model.h"
#include "game/desktop/main_window.h"
#include "game/desktop/records_window.h"
#include "game/desktop/tests/window_test_support.h"
#include "game/desktop/text_window.h"
#include "game/play/window_phrases.h"
#include "i18n/translation.h"
#include "level/level_phrases.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QProgressDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <filesystem>
#include <fstream>

namespace kelvaro {
namespace fs = std::filesystem;

namespace {

const QString app_translations = QStringLiteral(KELVARO_APP_TRANSLATIONS);
const QString pseudo_translations = QStringLiteral(KELVARO_PSEUDO_TRANSLATIONS);

// A text a person reads that the pseudo-translation did not reach: not marked, and more than
// figures, punctuation and file names.
bool escaped(const QString& text)
{
    if (text.contains(QStringLiteral("⟦")))
        return false;
    static const QRegularExpression plain(QStringLiteral(R"(^[\s\d\W]*$|^[\w./-]+\.txt$|^Kelvaro$|^KELVARO$)"));
    return !plain.match(text).hasMatch();
}

// Every menu title and item, submenus included, but not the languages' own names.
void menuTexts(const QList<QAction*>& actions, QStringList& texts)
{
    for (QAction* action : actions) {
        if (action->isSeparator() || !action->data().toString().isEmpty())
            continue;
        texts << action->text();
        if (action->menu())
            menuTexts(action->menu()->actions(), texts);
    }
}

// The texts of a window's labels and buttons, Qt's own standard buttons aside.
QStringList widgetTexts(QWidget* window)
{
    QStringList texts{window->windowTitle()};
    for (QLabel* label : window->findChildren<QLabel*>())
        if (!label->text().isEmpty())
            texts << label->text();
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        auto* box = qobject_cast<QDialogButtonBox*>(button->parentWidget());
        if (!(box && box->standardButton(button) != QDialogButtonBox::NoButton) && !button->text().isEmpty())
            texts << button->text();
    }
    return texts;
}

// The words of `text` the pseudo-translation did not reach, once the values filled into its
// places (file names, a file's own words) are taken out: those with a letter it accents left plain.
QStringList plainWords(QString text, const QStringList& values)
{
    for (const QString& value : values)
        text.remove(value);
    static const QRegularExpression word(QStringLiteral(R"(\w+)")), accented(QStringLiteral("[aceinosuyAEIOUYCN]"));
    QStringList words;
    for (auto it = word.globalMatch(text); it.hasNext();)
        if (const QString w = it.next().captured(); w.contains(accented))
            words << w;
    return words;
}

QStringList escapedOf(const QStringList& texts)
{
    QStringList out;
    for (const QString& text : texts)
        if (escaped(text))
            out << text;
    return out;
}

} // namespace

class TranslationTest : public QObject {
    Q_OBJECT
    QTemporaryDir home_;
    std::uint32_t now_ = 0;

    fs::path folder(const char* name) const { return fs::path(home_.path().toStdString()) / name; }

    // The game beside a Maps folder of one level, started and idle.
    std::unique_ptr<MainWindow> game(const fs::path& dir, std::optional<fs::path> settings = std::nullopt)
    {
        fs::create_directories(dir / "Maps");
        writeLevel(dir / "Maps" / "maze1.txt", {"#####", "#S*G#", "#####"}, 60);
        MainWindowOptions options{nullptr, {}, [this] { return now_; }};
        options.settings_file = std::move(settings);
        auto window = std::make_unique<MainWindow>(dir, std::move(options));
        window->show();
        window->start();
        return window;
    }

private slots:
    void initTestCase()
    {
        qputenv("XDG_CONFIG_HOME", home_.path().toLocal8Bit());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, home_.path());
        i18n::useFolder(app_translations);
    }

    void cleanup() { i18n::install(QStringLiteral("en"), app_translations); }

    void englishLeavesEveryTextAsItIs()
    {
        QCOMPARE(i18n::install(QStringLiteral("en"), app_translations), QString());
        QVERIFY(!i18n::active());
        const Message prompt = gameMessage(words::prompt, {50});
        QCOMPARE(english(prompt), std::string("Enter the level number (1-50)"));
        QCOMPARE(i18n::shown(prompt), QStringLiteral("Enter the level number (1-50)"));
        QCOMPARE(i18n::counted("ctx", "%n levels", "1 level", 1), QStringLiteral("1 level"));
        QCOMPARE(i18n::counted("ctx", "%n levels", "1 level", 3), QStringLiteral("3 levels"));
        // A place filled with text holding "%2" is not filled again.
        QCOMPARE(fill("a %1 b %2", {"%2", "x"}), std::string("a %2 b x"));
    }

    void germanTranslatesTheCoreTextsWithTheirPlaces()
    {
        QCOMPARE(i18n::install(QStringLiteral("de"), app_translations), QStringLiteral("de"));
        QCOMPARE(i18n::shown(gameMessage(words::prompt, {50})), QStringLiteral("Levelnummer eingeben (1–50)"));
        QCOMPARE(i18n::shown(timeCaption(87)), QStringLiteral("ZEIT : 87"));
        // Places that are themselves texts are translated too; a file name stays as it is.
        const Message fault =
            gameMessage(words::file_damaged, {std::string("/x/maze%2.txt"), levelMessage(level_words::at_line, {4, plainText("too short")})});
        QCOMPARE(i18n::shown(gameMessage(words::cannot_play, {3, fault})),
                 QStringLiteral("Level 3 kann nicht gespielt werden.\n\nDie Leveldatei /x/maze%2.txt ist beschädigt:\n"
                                "Zeile 4: too short."));
        // A text in no language passes through unchanged.
        QCOMPARE(i18n::shown(plainText("maze7.txt")), QStringLiteral("maze7.txt"));
    }

    void pluralFormsFollowTheLanguage()
    {
        i18n::install(QStringLiteral("fr"), app_translations);
        const char* many = QT_TRANSLATE_N_NOOP("kelvaro::LevelChooser", "%n levels");
        QCOMPARE(i18n::counted("kelvaro::LevelChooser", many, "1 level", 1), QStringLiteral("1 niveau"));
        QCOMPARE(i18n::counted("kelvaro::LevelChooser", many, "1 level", 3), QStringLiteral("3 niveaux"));
    }

    void theChosenLanguageIsRememberedAndADamagedOneIgnored()
    {
        i18n::chooseLanguage(QStringLiteral("fr"));
        QCOMPARE(i18n::chosenLanguage(), QStringLiteral("fr"));
        QSettings(QSettings::IniFormat, QSettings::UserScope, "kelvaro", "kelvaro")
            .setValue(i18n::language_key, QStringLiteral("../../etc/passwd"));
        QCOMPARE(i18n::chosenLanguage(), QString());
        i18n::chooseLanguage(QString());
        QCOMPARE(i18n::chosenLanguage(), QString());
        const QStringList languages = i18n::available(app_translations);
        QVERIFY(languages.startsWith(QStringLiteral("en")));
        QVERIFY(languages.contains(QStringLiteral("de")) && languages.contains(QStringLiteral("fr")));
        QCOMPARE(i18n::nativeName(QStringLiteral("de")), QStringLiteral("Deutsch"));
        QCOMPARE(i18n::nativeName(QStringLiteral("en")), QStringLiteral("English"));
        QCOMPARE(i18n::nativeName(QStringLiteral("pt_BR")), QStringLiteral("Português (Brasil)"));
    }

    void everyCoreTextIsTranslated()
    {
        QCOMPARE(i18n::install(QStringLiteral("eo"), pseudo_translations), QStringLiteral("eo"));
        QStringList missed;
        for (auto table : {windowPhrases(), editorPhrases(), levelPhrases()})
            for (const Phrase& each : table) {
                const QString text = i18n::shown(kelvaro::phrase(each.context, each.source, {7, 8, 9, 10, 11}));
                if (escaped(text))
                    missed << text;
            }
        QCOMPARE(missed, QStringList());
    }

    void theGameShowsNoTextOutsideThePseudoTranslation()
    {
        i18n::install(QStringLiteral("eo"), pseudo_translations);
        const std::unique_ptr<MainWindow> game = this->game(folder("game"));
        MainWindow& window = *game;
        QStringList texts = widgetTexts(&window);
        menuTexts(window.menuBar()->actions(), texts);
        QCOMPARE(escapedOf(texts), QStringList());
        QVERIFY(texts.contains(QStringLiteral("⟦Ñéw gàmé⟧")));

        std::unique_ptr<TextWindow> help(TextWindow::help(nullptr)), about(TextWindow::about(nullptr));
        QCOMPARE(escapedOf(QStringList(help->lines()) << help->windowTitle()), QStringList());
        QCOMPARE(escapedOf(QStringList(about->lines()) << about->windowTitle()), QStringList());

        using namespace std::chrono;
        const year_month_day day{year(2026), month(12), std::chrono::day(8)};
        RecordsWindow records({{{1, true, 12, 30, 28, false}, {2, false, 0, 0, std::nullopt, true}},
                               {3, 2, 2},
                               {{day, {true, 40, 31}}}},
                              nullptr);
        QStringList cells{records.windowTitle()};
        for (const QTableWidget* table : records.findChildren<QTableWidget*>())
            for (int column = 0; column < table->columnCount(); ++column) {
                cells << table->horizontalHeaderItem(column)->text();
                for (int row = 0; row < table->rowCount(); ++row)
                    cells << table->item(row, column)->text();
            }
        const QTabWidget* tabs = records.findChild<QTabWidget*>();
        for (int tab = 0; tab < tabs->count(); ++tab)
            cells << tabs->tabText(tab);
        QCOMPARE(escapedOf(cells << widgetTexts(&records)), QStringList());
    }

    // Ctrl+L's chooser: its title, buttons, the sets' names and counts, the set's read-out and
    // what each level says.
    void theChooserShowsNoTextOutsideThePseudoTranslation()
    {
        i18n::install(QStringLiteral("eo"), pseudo_translations);
        fs::create_directories(folder("chooser") / "Maps");
        std::ofstream(folder("chooser") / "Maps" / "maze3.txt") << "damaged\n";
        const std::unique_ptr<MainWindow> game = this->game(folder("chooser"));
        MainWindow& window = *game;
        for (QAction* action : window.findChildren<QAction*>())
            if (action->shortcut() == QKeySequence(Qt::CTRL | Qt::Key_L))
                action->trigger();
        LevelChooser* chooser = window.findChild<LevelChooser*>();
        QVERIFY(chooser);
        QStringList texts = widgetTexts(chooser);
        for (int row = 0; row < chooser->setList()->count(); ++row)
            texts << chooser->setList()->item(row)->text().split(QStringLiteral(" — ")).last();
        const LevelGridModel& levels = chooser->levels();
        for (int row = 0; row < levels.rowCount(); ++row) {
            texts << levels.data(levels.index(row), Qt::AccessibleTextRole).toString().section(": ", 1);
            texts << levels.data(levels.index(row), Qt::ToolTipRole).toString();  // why a level is damaged
        }
        QCOMPARE(levels.rowCount(), 2);
        QCOMPARE(escapedOf(texts), QStringList());
        chooser->reject();
    }

    // The records file's messages, each with the reason it gives filled in.
    void theRecordsMessagesAreTranslatedWhole()
    {
        i18n::install(QStringLiteral("eo"), pseudo_translations);
        const fs::path file = folder("records") / "records.txt";
        fs::create_directories(file.parent_path());
        std::ofstream(file) << "kelvaro records 2\ndamaged\n";
        const std::optional<Message> damaged = Records(file).load();
        fs::create_directory(file);  // a folder where the file should be: it cannot be read
        const std::optional<Message> unreadable = Records(file).load();
        QVERIFY(damaged && unreadable);
        const QString path = QString::fromStdString(file.string());
        for (const Message& message : {*damaged, *unreadable})
            QCOMPARE(plainWords(i18n::shown(message), {path + ".damaged-2", path + ".damaged", path}), QStringList());
    }

    // Ctrl+G's box, its grades and its hint, and the progress box that follows it.
    void thePuzzleBoxesShowNoTextOutsideThePseudoTranslation()
    {
        i18n::install(QStringLiteral("eo"), pseudo_translations);
        const std::unique_ptr<MainWindow> game = this->game(folder("puzzle"));
        for (QAction* action : game->findChildren<QAction*>())
            if (action->shortcut() == QKeySequence(Qt::CTRL | Qt::Key_G))
                action->trigger();
        auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(box);
        QStringList texts = widgetTexts(box) << box->findChild<QLineEdit*>()->placeholderText();
        auto* grades = box->findChild<QComboBox*>();
        for (int row = 0; row < grades->count(); ++row)
            texts << grades->itemText(row);
        QCOMPARE(grades->count(), 4);
        QCOMPARE(escapedOf(texts), QStringList());
        box->reject();

        Images images;
        QWidget owner;
        QtDialogs dialogs(&owner, images);
        dialogs.showProgress(gameMessage(words::daily_puzzle), [] {});
        auto* progress = owner.findChild<QProgressDialog*>();
        QVERIFY(progress);
        QCOMPARE(escapedOf({progress->windowTitle(), progress->labelText()}), QStringList());
        dialogs.endProgress();
    }

    // Options > Language: the choice is kept and the window speaks it at once; every label
    // grows to its text rather than clipping it.
    void theLanguageMenuSwitchesAtOnceAndNothingIsClipped()
    {
        const fs::path settings = folder("switch.ini");
        const std::unique_ptr<MainWindow> game = this->game(folder("switch"), settings);
        MainWindow& window = *game;
        QAction* german = nullptr;
        for (QAction* action : window.findChildren<QAction*>())
            if (action->data().toString() == QLatin1String("de"))
                german = action;
        QVERIFY(german);
        QCOMPARE(german->text(), QStringLiteral("Deutsch"));
        german->trigger();
        waitUntil([&] { return window.menuBar()->actions().front()->text() == QStringLiteral("Spiel"); });
        QCOMPARE(i18n::chosenLanguage(QString::fromStdString(settings.string())), QStringLiteral("de"));
        QVERIFY(labelWithText(&window, QStringLiteral("ZEIT :")));
        QVERIFY(button(&window, QStringLiteral("Nochmal")));
        for (QLabel* label : window.findChildren<QLabel*>())
            if (!label->text().isEmpty())
                QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(label->text()));
        for (QPushButton* b : window.findChildren<QPushButton*>())
            QVERIFY2(b->width() >= b->sizeHint().width(), qPrintable(b->text()));
    }

    void theEditorShowsNoTextOutsideThePseudoTranslation()
    {
        i18n::install(QStringLiteral("eo"), pseudo_translations);
        fs::create_directories(folder("editor") / "maps");
        EditorWindow window(folder("editor"));
        window.show();
        QTest::qWait(0);
        QCOMPARE(escapedOf(widgetTexts(&window)), QStringList());
        for (QLabel* label : window.findChildren<QLabel*>())
            if (!label->wordWrap() && !label->text().isEmpty() && label->objectName() != QLatin1String("saveFolderLabel"))
                QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(label->text()));
    }

    // A translation longer than the English text grows the window instead of being cut off.
    void aLongerTranslationGrowsTheHelpWindow()
    {
        std::unique_ptr<TextWindow> english(TextWindow::help(nullptr));
        QCOMPARE(english->size(), QSize(196, 114));
        i18n::install(QStringLiteral("de"), app_translations);
        std::unique_ptr<TextWindow> german(TextWindow::help(nullptr));
        const QFontMetrics metrics(german->font());
        for (const QString& line : german->lines())
            QVERIFY(metrics.horizontalAdvance(line) <= german->width());
    }
};

} // namespace kelvaro

QTEST_MAIN(kelvaro::TranslationTest)
#include "translation_test.moc"
