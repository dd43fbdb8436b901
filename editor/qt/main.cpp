// SPDX-License-Identifier: GPL-3.0-or-later
// kel_edit, the Kelvaro level editor.
#include "editor/qt/editor_window.h"
#include "i18n/translation.h"
#include "editor/core/level_folders.h"
#include "level/author_level.h"
#include "level/level_files.h"
#include "tools/options/qt_options.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QRegularExpression>
#include <QStringList>

#include <cstdio>
#include <filesystem>
#include <optional>

namespace {

constexpr const char* usage = QT_TRANSLATE_NOOP(
    "kelvaro::EditorUsage",
    "usage: kel_edit [--levels DIR] [--help | --version | --self-test]\n"
    "  The Kelvaro level editor: paint, load and save levels. It saves in the Maps folder\n"
    "  beside it where that folder takes new files, else in \"My levels\" in the level home\n"
    "  ($XDG_DATA_HOME/kelvaro/levels, by default ~/.local/share/kelvaro/levels).\n"
    "  Without an option the editor opens its window.\n"
    "  --levels DIR  save in the level set DIR (such as \"Generated\" in the level home) and\n"
    "               load from it before the Maps folder\n"
    "  --self-test  check that the maps folder beside the program can be read, then exit\n"
    "  --help       print this text and exit\n"
    "  --version    print the version and exit\n");

struct CommandLine {
    bool help = false;
    bool version = false;
    bool self_test = false;
    std::optional<std::filesystem::path> levels;  // the set to save in, made by the first SAVE
};

// An option as typed, without its value: "--frob" of "--frob=1".
QString typedName(const QString& argument) { return argument.section('=', 0, 0); }

// What is wrong with a command line that the parser refused: an unknown option, a value given
// to a flag, or none to an option that takes one; the first is told, as it was typed.
QString refusal(const QStringList& arguments, const QStringList& unknown, QString error)
{
    for (const QString& argument : arguments.mid(1)) {
        if (!argument.startsWith('-'))
            continue;
        const QString name = QString(typedName(argument)).remove(QRegularExpression("^-+"));
        if (unknown.contains(name))
            return "unknown option '" + typedName(argument) + "'";
        if (unknown.isEmpty() && argument.contains('=') && name != "levels" && !kelvaro::isQtValueOption(name))
            return "option '" + typedName(argument) + "' takes no value";
    }
    error[0] = error[0].toLower();  // "Missing value after '--levels'."
    return error.chopped(error.endsWith('.') ? 1 : 0);
}

// Reads the editor's options without any display, so --help and --version answer anywhere.
// A wrong command line is told in one line on standard error: the answer is then 2.
std::optional<int> readCommandLine(const QStringList& arguments, CommandLine& line)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help("help"), version("version"), self_test("self-test"), levels("levels", "", "DIR");
    parser.addOptions({help, version, self_test, levels});
    // Qt's own options (-platform offscreen, -style Fusion, ...) are left for QApplication.
    kelvaro::acceptQtOptions(parser);
    QString problem;
    std::error_code ec;
    if (!parser.parse(arguments))
        problem = refusal(arguments, parser.unknownOptionNames(), parser.errorText());
    else if (!parser.positionalArguments().isEmpty())
        problem = "unexpected argument '" + parser.positionalArguments().first() + "'";
    else if (parser.isSet(levels) && std::filesystem::exists(parser.value(levels).toStdString(), ec) &&
             !std::filesystem::is_directory(parser.value(levels).toStdString(), ec))
        problem = "--levels: " + parser.value(levels) + " is not a folder";
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "kel_edit: %s\n", qPrintable(problem));
        return 2;
    }
    line = {parser.isSet(help), parser.isSet(version), parser.isSet(self_test), std::nullopt};
    if (parser.isSet(levels))
        line.levels = std::filesystem::absolute(parser.value(levels).toStdString());
    return std::nullopt;
}

// `kel_edit --self-test`: says whether the editor finds the maps folder beside it, and where it saves.
int selfTest(const kelvaro::LevelFolders& folders)
{
    const std::filesystem::path maps = kelvaro::mapsFolder(folders.app_dir);
    const auto level = kelvaro::loadAuthorLevel(kelvaro::fileIn(maps, "maze1.txt"));
    if (!level) {
        std::fprintf(stderr, "kel_edit: maze1.txt cannot be loaded from %s: %s\n", maps.c_str(),
                     level.error().describe().c_str());
        return 1;
    }
    std::printf("maps: %s, maze1.txt loads (%d x %d cells)\n", maps.c_str(), level->maze.columns(), level->maze.rows());
    std::printf("saves to: %s\n", folders.saveFolder().c_str());
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    CommandLine line;
    if (const std::optional<int> status = readCommandLine(arguments, line))
        return *status;
    // Answered before Qt starts, so they work without a display.
    if (line.help) {
        kelvaro::i18n::printTranslated(argc, argv, "kelvaro::EditorUsage", usage);
        return 0;
    }
    if (line.version) {
        std::puts("kel_edit (Kelvaro) " KELVARO_VERSION);
        return 0;
    }
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
    QApplication app(argc, argv);
    kelvaro::i18n::install(kelvaro::i18n::chosenLanguage());
    kelvaro::EditorWindow::tieToDesktopEntry();
    // Where the editor saves is decided once, here, for the whole run.
    kelvaro::LevelFolders folders = kelvaro::EditorWindow::programFolders();
    if (line.levels)
        folders.own_set = line.levels;
    if (line.self_test)
        return selfTest(folders);
    kelvaro::EditorWindow window(folders);
    window.remember();
    window.show();
    return app.exec();
}
