// SPDX-License-Identifier: GPL-3.0-or-later
// The game's main window: widgets placed as designed, mirrored from the model after every event.
#include "game/window/qt/main_window.h"

#include "assets/art.h"
#include "game/window/window_phrases.h"
#include "level/level_phrases.h"
#include "i18n/translation.h"
#include "level/cell_kind.h"
#include "level/level_files.h"
#include "level/sets/level_home.h"

#include <QActionGroup>
#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>

#include <cstdlib>
#include <cstring>

namespace kelvaro {

ThreadedSolver::Post postTo(QObject* context)
{
    return [context](std::function<void()> task) {
        QMetaObject::invokeMethod(context, std::move(task), Qt::QueuedConnection);
    };
}
namespace {

Surface toSurface(const QImage& image)
{
    Surface surface(image.width(), image.height());
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        std::copy(line, line + image.width(), surface.data() + static_cast<std::size_t>(y) * image.width());
    }
    return surface;
}

void drawHint(QPainter& painter, const HintOutline& hint);
void drawMarks(QPainter& painter, const PushMarks& marks);

// The window's own drawing surface, shown as it stands, pixel for pixel. The mouse on it
// (and on the labels over it, which let it through) goes to `pointer`.
class Playfield : public QWidget {
public:
    Playfield(const Controls& controls, QWidget* parent) : QWidget(parent), controls_(controls)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setMouseTracking(true);
    }

    std::function<void(QMouseEvent* event, QPointF scene_point)> pointer;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        const Surface& s = controls_.windowSurface;
        // Every pixel is opaque: as RGB32 it is copied to the screen without conversion.
        const QImage image(reinterpret_cast<const uchar*>(s.data()), s.width(), s.height(),
                           s.width() * static_cast<int>(sizeof(Pixel)), QImage::Format_RGB32);
        QPainter painter(this);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter.drawImage(event->rect(), image, event->rect());
        drawHint(painter, controls_.hintOutline);
        drawMarks(painter, controls_.pushMarks);
    }
    void mousePressEvent(QMouseEvent* event) override { pointer(event, event->position()); }
    void mouseDoubleClickEvent(QMouseEvent* event) override { pointer(event, event->position()); }
    void mouseMoveEvent(QMouseEvent* event) override { pointer(event, event->position()); }

private:
    const Controls& controls_;
};

// A fixed picture, centred in its control, scaled pixel for pixel on dense screens.
class Picture : public QWidget {
public:
    Picture(QImage image, QWidget* parent) : QWidget(parent), image_(std::move(image)) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter.drawImage((width() - image_.width()) / 2, (height() - image_.height()) / 2, image_);
    }

private:
    QImage image_;
};

QColor toColor(Pixel p) { return QColor::fromRgb(p); }

// The cells a hint outlines, in the playfield's pixels: the object, then the side to push from.
std::pair<QRect, QRect> hintCells(const HintOutline& hint)
{
    return {QRect(hint.objectx * cell_size, hint.objecty * cell_size, cell_size, cell_size),
            QRect(hint.sidex * cell_size, hint.sidey * cell_size, cell_size, cell_size)};
}

// The object to push in yellow, the cell to push it from in cyan, over the window's surface.
void drawHint(QPainter& painter, const HintOutline& hint)
{
    if (!hint.visible)
        return;
    const auto [object, side] = hintCells(hint);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(255, 255, 0), 3, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(object.adjusted(1, 1, -2, -2));
    painter.setPen(QPen(QColor(0, 255, 255), 3, Qt::DashLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(side.adjusted(1, 1, -2, -2));
}

QRect cellRect(int x, int y) { return QRect(x * cell_size, y * cell_size, cell_size, cell_size); }

// The picked object outlined in magenta, a magenta square in each cell it can be pushed to.
void drawMarks(QPainter& painter, const PushMarks& marks)
{
    if (!marks.visible)
        return;
    const QColor magenta(255, 0, 255);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(magenta, 3, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(cellRect(marks.objectx, marks.objecty).adjusted(1, 1, -2, -2));
    for (const auto& [x, y] : marks.targets)
        painter.fillRect(cellRect(x, y).adjusted(12, 12, -12, -12), magenta);
}

QRegion marksRegion(const PushMarks& marks)
{
    if (!marks.visible)
        return {};
    QRegion region = cellRect(marks.objectx, marks.objecty);
    for (const auto& [x, y] : marks.targets)
        region += cellRect(x, y);
    return region;
}

// The bounding box of the pixels in which `now` differs from `shown`, which is brought
// up to date: a frame of play changes a few cells, and only they need painting again.
QRect takeChanges(const Surface& now, Surface& shown)
{
    if (shown.width() != now.width() || shown.height() != now.height()) {
        shown = now;
        return QRect(0, 0, now.width(), now.height());
    }
    const int width = now.width();
    int left = width, right = -1, top = -1, bottom = -1;
    for (int y = 0; y < now.height(); ++y) {
        const Pixel* a = now.data() + static_cast<std::size_t>(y) * width;
        Pixel* b = shown.data() + static_cast<std::size_t>(y) * width;
        if (std::memcmp(a, b, width * sizeof(Pixel)) == 0)
            continue;
        int first = 0, last = width - 1;
        while (a[first] == b[first])
            ++first;
        while (a[last] == b[last])
            --last;
        std::memcpy(b + first, a + first, (last - first + 1) * sizeof(Pixel));
        left = std::min(left, first);
        right = std::max(right, last);
        if (top < 0)
            top = y;
        bottom = y;
    }
    return top < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

QFont windowFont(double points)
{
    QFont font("Liberation Sans");
    font.setBold(true);
    font.setPixelSize(static_cast<int>(points * 96.0 / 72.0 + 0.5));  // the designed size at 96 dpi
    return font;
}

std::optional<Key> arrowOrCtrl(int qt_key)
{
    switch (qt_key) {
    case Qt::Key_Left: return Key::left;
    case Qt::Key_Right: return Key::right;
    case Qt::Key_Up: return Key::up;
    case Qt::Key_Down: return Key::down;
    case Qt::Key_Control: return Key::ctrl;
    default: return std::nullopt;
    }
}

} // namespace

Images loadImages()
{
    auto load = [](const char* name) { return toSurface(artImage(name)); };
    Images images;
    images.wall = load("wall");
    images.jewel = load("jewel");
    images.goal = load("goal");
    images.blank = load("blank");
    images.crate = load("crate");
    images.playerRight = load("player_right");
    images.playerLeft = load("player_left");
    images.playerUp = load("player_up");
    images.playerDown = load("player_down");
    images.readyTile = load("ready");
    images.sadPicture = load("sad");
    images.titlePicture = load("title");
    return images;
}

MainWindow::MainWindow(std::filesystem::path app_dir, Options options, QWidget* parent)
    : QMainWindow(parent), app_dir_(std::move(app_dir)), images_(loadImages()), dialogs_(this, images_),
      ticks_(std::move(options.ticks)), set_memory_(options.settings_file), settings_file_(options.settings_file)
{
    clock_.start();
    play_at_start_ = options.level_file.has_value();
    level_file_ = options.level_file;
    own_clock_ = !ticks_;
    if (own_clock_)
        ticks_ = [this] { return static_cast<std::uint32_t>(clock_.elapsed()); };
    const std::filesystem::path dir = app_dir_;
    GameWindowModel::Ports ports{
        options.sound ? *options.sound : silent_,
        keys_,
        dialogs_,
        [this] { return ticks(); },
        [this](int n) { return loadGameLevel(levelFile(n)); },
        [this](int n) { return levelFile(n).string(); },
        [](int status) { QCoreApplication::exit(status); },
    };
    ports.solver = options.solver ? options.solver : &solver_;
    ports.records_file = recordsFile(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
    ports.shipped_keys = shippedLevelKeys(app_dir_);
    const std::filesystem::path level_home = options.level_home ? *options.level_home : levelHome(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
    ports.installed_sets = [dir, level_home] {
        std::vector<LevelSet> sets{builtinLevelSet(dir)};
        for (LevelSet& set : setsInHome(level_home))
            sets.push_back(std::move(set));
        return sets;
    };
    ports.reread_set = readAgain;
    ports.set_chosen = [this, level_home](const LevelSet& set) {
        level_file_.reset();  // a level chosen from a set is played from its set
        set_memory_.remember(set);
        if (!set.builtin && set.folder.parent_path() != level_home)
            set_memory_.rememberOpened(set.folder);
    };
    std::error_code ec;
    dialogs_.first_folder = std::filesystem::is_directory(level_home, ec) ? level_home : std::filesystem::path(QDir::homePath().toStdString());
    solver_.after_answer = [this] { sync(); };
    ports.forge = options.forge ? options.forge : &forge_;
    forge_.after_answer = [this] { sync(); };
    if (options.today)
        ports.today = std::move(options.today);
    ports.level_home = level_home;
    if (options.initsound)
        ports.initsound = std::move(options.initsound);
    model_ = std::make_unique<GameWindowModel>(images_, std::move(ports));
    for (const std::filesystem::path& folder : set_memory_.openedFolders())
        model_->addOpenedFolder(folder);
    if (!level_file_) {
        model_->setLevelSet(set_memory_.startSet(app_dir_, options.levels_folder));
        if (options.levels_folder) {
            set_memory_.remember(model_->playedSet().set());
            set_memory_.rememberOpened(*options.levels_folder);
        }
    } else {
        model_->setLevelSet(builtinLevelSet(app_dir_));
    }
    dialogs_.after_close = [this] { tick(); };

    i18n::addPhrases(windowPhrases());
    i18n::addPhrases(levelPhrases());
    setWindowTitle("KELVARO");
    setWindowIcon(QIcon(QPixmap::fromImage(artImage("icon_256"))));
    buildControls();
    buildMenus();
    readView();
    applyView();

    pacer_.setSingleShot(true);
    pacer_.setTimerType(Qt::PreciseTimer);
    connect(&pacer_, &QTimer::timeout, this, &MainWindow::tick);
    qApp->installEventFilter(this);  // key preview: the window sees every key first
    controllers_ = std::make_unique<ControllerPump>(ControllerPump::Hooks{
        [this](const KeyTable::Keys& held) {
            keys_.setPads(held);
            sync();  // a key down ends the play loop's rest
        },
        [this](PadCommand command) { padCommand(command); },
    });
    sync();
}

MainWindow::~MainWindow() { qApp->removeEventFilter(this); }

void MainWindow::tieToDesktopEntry() { QGuiApplication::setDesktopFileName("org.kelvaro.kelvaro"); }

std::uint32_t MainWindow::ticks() const { return ticks_(); }

std::filesystem::path MainWindow::levelFile(int number) const
{
    return level_file_ ? *level_file_ : model_->playedSet().file(number);
}

int MainWindow::millisecondsUntil(std::uint32_t due) const
{
    if (!own_clock_)
        return std::max(static_cast<std::int32_t>(due - ticks()), 0);
    // Wake up just after the tick count reaches `due`, not up to a millisecond later:
    // waiting whole milliseconds from a reading taken mid-millisecond would stretch
    // every 25 ms step to 26.
    const qint64 now_ns = clock_.nsecsElapsed();
    const qint64 due_ns = (now_ns / 1'000'000 + static_cast<std::int32_t>(due - ticks())) * 1'000'000;
    return static_cast<int>(std::max<qint64>((due_ns - now_ns + 999'999) / 1'000'000, 0));
}

void MainWindow::tick()
{
    if (controllers_ && controllers_->connected() > 0)
        controllers_->pump();  // awake anyway: read them now, and their own timer waits again
    model_->advance();
    sync();
}

void MainWindow::buildControls()
{
    auto* playfield = new Playfield(model_->controls, this);
    playfield->pointer = [this](QMouseEvent* event, QPointF at) { scenePointer(event, at); };
    client_ = playfield;
    client_->setFixedSize(client_width, client_height);
    QPalette palette = client_->palette();
    palette.setColor(QPalette::Window, Qt::black);
    client_->setPalette(palette);
    setCentralWidget(client_);

    Controls& c = model_->controls;
    for (LabelControl* model : {&c.levelLabel, &c.timeLabel, &c.gameOverLabel, &c.pausedLabel, &c.winnerLabel, &c.bannerLabel, &c.pauseHintLabel, &c.lostMarkLabel}) {
        auto* label = new QLabel(client_);
        label->setAutoFillBackground(true);
        label->setFont(windowFont(model->font_points));
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        labels_[model] = label;
    }
    const std::pair<ButtonControl*, Command> buttons[] = {
        {&c.nextButton, Command::nextButton}, {&c.abortButton, Command::abortButton}, {&c.retryButton, Command::retryButton}};
    for (auto [model, command] : buttons) {
        auto* button = new QPushButton(i18n::shown(model->caption), client_);
        button->setFont(windowFont(13.5));
        button->setAutoDefault(true);  // Enter presses the button that has the focus
        connect(button, &QPushButton::clicked, this, [this, command = command] { run(command); });
        buttons_[model] = button;
    }
    auto picture = [this](const Surface& image, const PictureControl& place) {
        const QImage copy(reinterpret_cast<const uchar*>(image.data()), image.width(), image.height(),
                          image.width() * static_cast<int>(sizeof(Pixel)), QImage::Format_ARGB32);
        auto* widget = new Picture(copy.copy(), client_);
        widget->setGeometry(static_cast<int>(place.place.left), static_cast<int>(place.place.top), place.place.width,
                            place.place.height);
        return widget;
    };
    titlePicture_ = picture(images_.titlePicture, c.titlePicture);
    sadPicture_ = picture(images_.sadPicture, c.sadPicture);

    scene_view_ = new SceneView(client_, this);
    scene_view_->pointer = [this](QMouseEvent* event, QPointF at) { scenePointer(event, at); };
    scene_view_->hide();
}

QAction* MainWindow::addItem(QMenu* menu, const QString& caption, const QKeySequence& key, Command command)
{
    QAction* action = menu->addAction(caption);
    action->setShortcut(key);
    action->setShortcutContext(Qt::ApplicationShortcut);
    connect(action, &QAction::triggered, this, [this, command] { run(command); });
    actions_[command] = action;
    return action;
}

void MainWindow::buildMenus()
{
    QMenu* game = menuBar()->addMenu(tr("Game"));
    addItem(game, tr("New game"), Qt::Key_F2, Command::newGameItem);
    addItem(game, tr("End game"), Qt::Key_F4, Command::endGameItem);
    addItem(game, tr("Restart level"), Qt::Key_F3, Command::restartLevelItem);
    addItem(game, tr("Exit"), QKeySequence(Qt::CTRL | Qt::Key_X), Command::exitItem);
    addItem(game, tr("Records"), QKeySequence(), Command::recordsItem);
    addItem(game, tr("Choose level…"), QKeySequence(Qt::CTRL | Qt::Key_L), Command::chooseLevelItem);
    addItem(game, tr("Open level folder…"), QKeySequence(), Command::openFolderItem);
    addItem(game, tr("Generated puzzle…"), QKeySequence(Qt::CTRL | Qt::Key_G), Command::generatedItem);
    addItem(game, tr("Daily puzzle"), QKeySequence(Qt::CTRL | Qt::Key_D), Command::dailyItem);
    addItem(game, tr("Keep this level"), QKeySequence(Qt::CTRL | Qt::Key_K), Command::keepLevelItem);
    QMenu* options = menuBar()->addMenu(tr("Options"));
    addItem(options, tr("Sound"), QKeySequence(Qt::CTRL | Qt::Key_M), Command::soundItem)->setCheckable(true);
    buildViewItems(options);
    buildLanguageMenu(options);
    QMenu* help = menuBar()->addMenu(tr("Help"));
    addItem(help, tr("Game help"), Qt::Key_F1, Command::helpItem);
    addItem(help, tr("About..."), Qt::Key_F5, Command::aboutItem);
    addItem(help, tr("Hint"), QKeySequence(), Command::hintItem);
}

void MainWindow::buildLanguageMenu(QMenu* options)
{
    QMenu* menu = options->addMenu(tr("Language"));
    auto* group = new QActionGroup(menu);
    // Kept in the settings file where the window keeps any (none in tests).
    const QString file = settings_file_ ? QString::fromStdString(settings_file_->string()) : QString();
    const QString chosen = settings_file_ ? i18n::chosenLanguage(file) : QString();
    auto add = [&](const QString& name, const QString& code) {
        QAction* action = menu->addAction(name);
        action->setCheckable(true);
        action->setChecked(code == chosen);
        action->setData(code);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, code, file] {
            if (settings_file_)
                i18n::chooseLanguage(code, file);
            i18n::install(code);
            // Not from inside the menu whose actions the new menus replace.
            QTimer::singleShot(0, this, &MainWindow::retranslate);
        });
    };
    add(tr("Desktop language"), QString());
    for (const QString& code : i18n::available())
        add(i18n::nativeName(code), code);
}

void MainWindow::retranslate()
{
    for (QMenu* menu : menuBar()->findChildren<QMenu*>(QString(), Qt::FindDirectChildrenOnly))
        menu->deleteLater();
    menuBar()->clear();
    actions_.clear();
    buildMenus();
    showViewItems();
    for (auto& [model, button] : buttons_)
        button->setText(i18n::shown(model->caption));
    shown_labels_.clear();  // every label and button measured again for its new text
    shown_buttons_.clear();
    sync();
}

void MainWindow::start()
{
    model_->start();
    if (play_at_start_)
        model_->playLevel(1);
    sync();
}

void MainWindow::run(Command command)
{
    model_->post(command);
    sync();
}

void MainWindow::sync()
{
    // Only what changed is passed on: setting a widget's palette or text repaints it,
    // and this runs after every step.
    Controls& c = model_->controls;
    QRegion changed;  // in the scene, for its enlarged view
    for (auto& [model, label] : labels_) {
        auto [shown, fresh] = shown_labels_.try_emplace(model, *model);
        if (!fresh && shown->second == *model)
            continue;
        shown->second = *model;
        changed += label->geometry();
        label->setText(i18n::shown(model->caption));
        // A translation longer than its label widens it rather than being clipped; English keeps its size.
        const int width = i18n::active() ? std::max(model->place.width, label->sizeHint().width()) : model->place.width;
        label->setGeometry(static_cast<int>(model->place.left), static_cast<int>(model->place.top), width,
                           model->place.height);
        QPalette palette = label->palette();
        palette.setColor(QPalette::Window, Qt::black);
        palette.setColor(QPalette::WindowText, toColor(model->colour));
        label->setPalette(palette);
        label->setVisible(model->visible);
        changed += label->geometry();
    }
    for (auto& [model, button] : buttons_) {
        auto [shown, fresh] = shown_buttons_.try_emplace(model, *model);
        if (!fresh && shown->second == *model)
            continue;
        shown->second = *model;
        changed += button->geometry();
        const int width = i18n::active() ? std::max(model->place.width, button->sizeHint().width()) : model->place.width;
        button->setGeometry(qRound(model->place.left), qRound(model->place.top), width, model->place.height);
        button->setVisible(model->visible);
        changed += button->geometry();
    }
    const std::pair<QWidget*, const PictureControl*> pictures[] = {{sadPicture_, &c.sadPicture}, {titlePicture_, &c.titlePicture}};
    for (auto [picture, model] : pictures) {
        const QPoint place(static_cast<int>(model->place.left), static_cast<int>(model->place.top));
        if (picture->pos() == place && picture->isVisibleTo(client_) == model->visible)
            continue;
        changed += picture->geometry();
        picture->move(place);
        picture->setVisible(model->visible);
        changed += picture->geometry();
    }

    const std::pair<Command, const MenuItem*> items[] = {
        {Command::newGameItem, &c.newGameItem}, {Command::endGameItem, &c.endGameItem}, {Command::restartLevelItem, &c.restartLevelItem},
        {Command::exitItem, &c.exitItem},   {Command::soundItem, &c.soundItem},     {Command::helpItem, &c.helpItem},
        {Command::aboutItem, &c.aboutItem}};
    for (auto [command, item] : items) {
        actions_[command]->setEnabled(item->enabled);
        actions_[command]->setChecked(item->checked);
    }
    actions_[Command::keepLevelItem]->setEnabled(model_->canKeep());
    // A generated puzzle's code beside it, in the title: the playfield's picture stays as it is.
    const std::optional<std::string> code = model_->codeInPlay();
    const QString title = code ? QStringLiteral("KELVARO — ") + QString::fromStdString(*code) : QStringLiteral("KELVARO");
    if (windowTitle() != title)
        setWindowTitle(title);

    if (c.focus != Focus::none) {
        ButtonControl* target = c.focus == Focus::nextButton ? &c.nextButton
                                : c.focus == Focus::abortButton ? &c.abortButton
                                                             : &c.retryButton;
        buttons_[target]->setFocus();
        c.focus = Focus::none;
    }

    if (painted_version_ != c.windowSurfaceVersion) {
        painted_version_ = c.windowSurfaceVersion;
        const QRect drawn = takeChanges(c.windowSurface, shown_surface_);
        if (!drawn.isEmpty())
            client_->update(drawn);
        changed += drawn;
    }

    if (!(shown_outline_ == c.hintOutline)) {
        for (const HintOutline& hint : {shown_outline_, c.hintOutline}) {
            const auto [object, side] = hintCells(hint);
            client_->update(object.united(side));
            changed += object.united(side);
        }
        shown_outline_ = c.hintOutline;
    }
    if (!(shown_marks_ == c.pushMarks)) {
        for (const PushMarks* marks : {&shown_marks_, &c.pushMarks}) {
            client_->update(marksRegion(*marks));
            changed += marksRegion(*marks);
        }
        shown_marks_ = c.pushMarks;
    }
    showPointer();
    scene_view_->sceneChanged(changed);

    if (const auto due = model_->nextDue()) {
        pacer_.start(millisecondsUntil(*due));
    } else {
        pacer_.stop();
    }
    if (controllers_)
        controllers_->setInPlay(model_->engine.playing && model_->engine.paused == 0);
}

void MainWindow::padCommand(PadCommand command)
{
    // As with keys typed into a box, the controller's commands wait until it is closed.
    if (QApplication::activeModalWidget())
        return;
    switch (command) {
    case PadCommand::pause:
        model_->onCharacterKey('P');
        sync();
        break;
    case PadCommand::newGame: run(Command::newGameItem); break;
    case PadCommand::pressFocused:
        // Enter's job on the keyboard: the focused Next or Retry, once a level has ended.
        for (const ButtonControl* model : {&model_->controls.nextButton, &model_->controls.retryButton}) {
            QPushButton* button = buttons_[model];
            if (button == focusWidget() && button->isVisible())
                button->click();
        }
        break;
    }
}

bool MainWindow::handleKey(QKeyEvent* event, bool pressed)
{
    if (pressed && event->key() == Qt::Key_Escape && full_screen_)
        setFullScreen(false);  // and on to the game, as any other key
    if (const auto key = arrowOrCtrl(event->key())) {
        if (!event->isAutoRepeat()) {
            if (pressed)
                model_->cancelPointer();  // the keyboard takes over from a click
            keys_.set(*key, pressed);
            sync();  // a key down ends the play loop's rest
        }
        return *key != Key::ctrl;  // arrows must not move the focus between buttons
    }
    // Backspace takes back a move; not every platform gives it a character.
    const bool backspace = event->key() == Qt::Key_Backspace;
    if (pressed && (backspace || (event->text().size() == 1 && event->text()[0].unicode() < 128))) {
        model_->onCharacterKey(backspace ? '\b' : static_cast<char>(event->text()[0].unicode()));
        sync();
    }
    return false;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (watched == client_ && (type == QEvent::Resize || type == QEvent::Move))
        placeSceneView();
    if ((watched == client_ || watched == scene_view_) && type == QEvent::Leave)
        pointerLeft();
    if (type == QEvent::KeyPress || type == QEvent::KeyRelease) {
        // Only keys aimed at this window: what is typed into a dialog never reaches the game.
        // A key goes first to the widget with the focus, then on to its parents if
        // unhandled: the game takes it at that first delivery, and only then.
        // (When the window is not the active one, the platform still hands its keys to the
        // window's own focus widget.)
        QWidget* first = QApplication::focusWidget() ? QApplication::focusWidget()
                         : focusWidget()               ? focusWidget()
                                                       : this;
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget == first && widget->window() == this)
            return handleKey(static_cast<QKeyEvent*>(event), type == QEvent::KeyPress);
    }
    if ((type == QEvent::WindowDeactivate && watched == this) || type == QEvent::ApplicationDeactivate)
        keys_.clear();
    return QMainWindow::eventFilter(watched, event);
}

} // namespace kelvaro
