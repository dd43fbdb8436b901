// SPDX-License-Identifier: GPL-3.0-or-later
// Kelvaro, the game.
#include "game/desktop/sound/sdl_sound.h"
#include "game/desktop/main_window.h"
#include "i18n/translation.h"
#include "level/level_files.h"
#include "tools/options/qt_options.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <system_error>

namespace {

// `Kelvaro --self-test`: says whether the program finds its sounds and levels beside it,
// for installers and packagers.
int selfTest(const std::filesystem::path& dir)
{
    kelvaro::SdlSound sound;
    if (const auto failure = sound.load(dir)) {
        std::fprintf(stderr, "Kelvaro: %s\n", failure->c_str());
        return 1;
    }
    std::printf("sounds: all seven found in %s%s\n", dir.c_str(), sound.silent() ? " (no sound device: silent)" : "");
    int levels = 0;
    for (int n = 1; n <= 50; ++n) {
        const auto level = kelvaro::loadGameLevel(kelvaro::gameLevelFile(dir, n));
        if (level)
            ++levels;
        else if (n == 1) {
            std::fprintf(stderr, "Kelvaro: level 1 cannot be read from %s: %s\n",
                         kelvaro::gameLevelFile(dir, n).c_str(), level.error().describe().c_str());
            return 1;
        }
    }
    std::printf("levels: %d of 50 readable in %s\n", levels, kelvaro::mapsFolder(dir).c_str());
    return 0;
}

constexpr const char* usage = QT_TRANSLATE_NOOP(
    "kelvaro::GameUsage",
    "usage: kelvaro [--levels DIR | --level FILE | --self-test | --help | --version]\n"
    "  Kelvaro, a push puzzle: walk with the arrow keys, hold Ctrl to push the jewel onto the goal.\n"
    "  Without an option the game opens its window and plays the level set chosen last\n"
    "  (Game > Choose level...), at first the fifty levels in the Maps folder beside the program.\n"
    "  --levels DIR  play the level set in the folder DIR (its files maze1.txt, maze2.txt, ...):\n"
    "                New game asks for a number from 1 to its highest\n"
    "  --level FILE  play the level file FILE at once, with its start effect, countdown,\n"
    "                win and loss; New game, Next and Retry play it again\n"
    "  --self-test   check that the sounds and levels beside the program can be read, then exit\n"
    "  --help        print this text and exit\n"
    "  --version     print the version and exit\n");

struct Choice {
    enum class Action { play, help, version, self_test } action = Action::play;
    std::optional<std::filesystem::path> level_file;
    std::optional<std::filesystem::path> levels_folder;
};

// Reads the command line without a QCoreApplication, so that --help, --version and a
// mistake are answered without a display. Says what is wrong in one line, or nothing.
std::optional<std::string> readCommandLine(int argc, char* argv[], Choice& choice)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption levels("levels", "", "DIR"), level("level", "", "FILE"), self_test("self-test"),
        help(QStringList{"h", "help"}), version("version");
    parser.addOptions({levels, level, self_test, help, version});
    // Qt's own options (-platform offscreen, -style Fusion, ...) are left for QApplication.
    kelvaro::acceptQtOptions(parser);
    if (!parser.parse(arguments)) {
        // Named as typed, dashes and all, as the other programs name it.
        for (const QString& name : parser.unknownOptionNames())
            for (const QString& argument : arguments)
                if (argument.startsWith('-') && argument.section('=', 0, 0).endsWith("-" + name))
                    return "unknown option '" + argument.section('=', 0, 0).toStdString() + "'";
        QString error = parser.errorText();  // "Missing value after '--level'."
        error[0] = error[0].toLower();
        return error.chopped(error.endsWith('.') ? 1 : 0).toStdString();
    }
    if (!parser.positionalArguments().isEmpty())
        return "unexpected argument '" + parser.positionalArguments().front().toStdString() + "'";
    const QStringList ours = {"levels", "level", "self-test", "h", "help", "version"};
    const QStringList given = parser.optionNames();
    if (std::count_if(given.begin(), given.end(), [&ours](const QString& name) { return ours.contains(name); }) > 1)
        return "give one option at most";
    using Action = Choice::Action;
    choice.action = parser.isSet(help) ? Action::help : parser.isSet(version) ? Action::version
                    : parser.isSet(self_test)                                ? Action::self_test
                                                                             : Action::play;
    if (parser.isSet(level))
        choice.level_file = std::filesystem::absolute(parser.value(level).toStdString());
    if (parser.isSet(levels)) {
        choice.levels_folder = std::filesystem::absolute(parser.value(levels).toStdString());
        std::error_code ec;
        if (!std::filesystem::is_directory(*choice.levels_folder, ec))
            return "--levels: " + parser.value(levels).toStdString() + " is not a folder";
    }
    return std::nullopt;
}

} // namespace

int main(int argc, char* argv[])
{
    Choice choice;
    if (const std::optional<std::string> mistake = readCommandLine(argc, argv, choice)) {
        std::fprintf(stderr, "Kelvaro: %s\n", mistake->c_str());
        return 2;
    }
    // Answered before Qt starts, so they work without a display.
    if (choice.action == Choice::Action::help) {
        kelvaro::i18n::printTranslated(argc, argv, "kelvaro::GameUsage", usage);
        return 0;
    }
    if (choice.action == Choice::Action::version) {
        std::puts("Kelvaro " KELVARO_VERSION);
        return 0;
    }
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
    QApplication app(argc, argv);
    kelvaro::i18n::install(kelvaro::i18n::chosenLanguage());
    kelvaro::MainWindow::tieToDesktopEntry();
    const std::filesystem::path dir = QCoreApplication::applicationDirPath().toStdString();
    if (choice.action == Choice::Action::self_test)
        return selfTest(dir);

    kelvaro::SdlSound sound;
    kelvaro::MainWindow::Options options{&sound, [&sound, dir] { return sound.load(dir); }, {}, choice.level_file};
    options.levels_folder = choice.levels_folder;
    options.settings_file = kelvaro::playerSettingsFile();
    kelvaro::MainWindow window(dir, std::move(options));
    window.show();
    QTimer::singleShot(0, &window, [&window] { window.start(); });  // once the window has been painted
    return app.exec();
}
