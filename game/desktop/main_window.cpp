// SPDX-License-Identifier: GPL-3.0-or-later
// The game's main window: widgets placed as designed, mirrored from the model after every event.
#include "game/desktop/main_window.h"

#include "game/desktop/playfield.h"
#include "assets/art.h"
#include "game/play/window_phrases.h"
#include "level/level_phrases.h"
#include "i18n/translation.h"
#include "level/cell_kind.h"
#include "level/level_files.h"
#include "level/sets/level_home.h"

#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>

#include <cstdlib>

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

QFont windowFont(double points)
{
    QFont font("Liberation Sans");
    font.setBold(true);
    font.setPixelSize(static_cast<int>(points * 96.0 / 72.0 + 0.5));  // the designed size at 96 dpi
    return font;
}

} // namespace

Images loadImages()
{
    return imagesFrom([](const char* name) { return toSurface(artImage(name)); });
}

MainWindow::MainWindow(std::filesystem::path app_dir, Options options, QWidget* parent)
    : QMainWindow(parent), app_dir_(std::move(app_dir)), images_(loadImages()), dialogs_(this, images_),
      ticks_(std::move(options.ticks)), set_memory_(options.settings_file), settings_file_(options.settings_file)
{
    clock_.start();
    play_at_start_ = options.level_file.has_value();
    own_clock_ = !ticks_;
    if (own_clock_)
        ticks_ = [this] { return static_cast<std::uint32_t>(clock_.elapsed()); };
    GameWiring wiring = wireGame(app_dir_, options, [this]() -> const PlayedSet& { return model_->playedSet(); },
                                 set_memory_, forge_);
    std::error_code ec;
    dialogs_.first_folder = std::filesystem::is_directory(wiring.level_home, ec) ? wiring.level_home
                                                                                : std::filesystem::path(QDir::homePath().toStdString());
    solver_.after_answer = [this] { sync(); };
    forge_.after_answer = [this] { sync(); };
    GameWindowModel::Shell shell{options.sound ? *options.sound : silent_, keys_, dialogs_, [this] { return ticks(); },
                                 [](int status) { QCoreApplication::exit(status); }};
    if (options.initsound)
        shell.initsound = std::move(options.initsound);
    shell.solver = options.solver ? options.solver : &solver_;
    shell.keys_chosen = [this](const PlayerKeys& keys) { keysChosen(keys); };
    shell.copyText = [](const std::string& text) { QGuiApplication::clipboard()->setText(QString::fromStdString(text)); };
    shell.pasteText = [] { return QGuiApplication::clipboard()->text().toStdString(); };
    model_ = std::make_unique<GameWindowModel>(images_, std::move(shell), std::move(wiring.shelf), std::move(wiring.records),
                                               std::move(wiring.puzzles));
    startOn(*model_, app_dir_, options, set_memory_);
    readKeys();
    dialogs_.keys_in_use = &model_->playerKeys();
    dialogs_.after_close = [this] { tick(); };

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
    controllers_->bind(model_->playerKeys().pad);
    sync();
}

MainWindow::~MainWindow() { qApp->removeEventFilter(this); }

void MainWindow::tieToDesktopEntry() { QGuiApplication::setDesktopFileName("org.kelvaro.kelvaro"); }

std::uint32_t MainWindow::ticks() const { return ticks_(); }

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
        labels_.push_back({model, label});
    }
    const std::pair<ButtonControl*, Command> buttons[] = {
        {&c.nextButton, Command::nextButton}, {&c.abortButton, Command::abortButton}, {&c.retryButton, Command::retryButton}};
    for (auto [model, command] : buttons) {
        auto* button = new QPushButton(i18n::shown(model->caption), client_);
        button->setFont(windowFont(13.5));
        button->setAutoDefault(true);  // Enter presses the button that has the focus
        connect(button, &QPushButton::clicked, this, [this, command = command] { run(command); });
        buttons_.push_back({model, button});
    }
    auto picture = [this](const Surface& image, const PictureControl& place) {
        const QImage copy(reinterpret_cast<const uchar*>(image.data()), image.width(), image.height(),
                          image.width() * static_cast<int>(sizeof(Pixel)), QImage::Format_ARGB32);
        auto* widget = new Picture(copy.copy(), client_);
        widget->setGeometry(static_cast<int>(place.place.left), static_cast<int>(place.place.top), place.place.width,
                            place.place.height);
        return widget;
    };
    pictures_.push_back({&c.sadPicture, picture(images_.sadPicture, c.sadPicture)});
    pictures_.push_back({&c.titlePicture, picture(images_.titlePicture, c.titlePicture)});

    scene_view_ = new SceneView(client_, this);
    scene_view_->pointer = [this](QMouseEvent* event, QPointF at) { scenePointer(event, at); };
    scene_view_->hide();
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
    if ((type == QEvent::WindowDeactivate && watched == this) || type == QEvent::ApplicationDeactivate) {
        keys_.clear();
        held_keys_.clear();
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace kelvaro
