// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/game_session.h"

#include <QCoreApplication>
#include <QTimer>

#include "game/game.h"
#include "media/picture_store.h"
#include "media/sounds.h"
#include "persist/cp932.h"
#include "ui/about_box.h"
#include "ui/accessibility.h"
#include "ui/dialogs.h"
#include "ui/help_text.h"
#include "ui/language.h"
#include "ui/main_window.h"
#include "ui/menus.h"
#include "ui/pet_picture.h"
#include "ui/save_commands.h"

namespace mokopi::ui {

namespace {

using game::Game;
using media::PictureFileError;

// How long after its first frame the window may still be resized by the
// window manager's frame.
constexpr int WindowSettlesMs = 1000;

// The game speaks UTF-8 with CR LF line breaks; Qt wants "\n".
QString toQt(const std::string& text)
{
    return QString::fromStdString(text).replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

QColor toQColor(game::Rgb c) { return QColor(c.red, c.green, c.blue); }

// An empty folder, which stands for none, stays empty.
QString withSlash(QString folder)
{
    if (!folder.isEmpty() && !folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

QString pictureCacheFolder(const QString& path)
{
    if (!path.isEmpty())
        return path;
    const QString userCache = playerCacheFolder();
    return userCache.isEmpty() ? QString() : userCache + QStringLiteral("/pictures");
}

}  // namespace

std::unique_ptr<media::PictureStore> openPictures(const SessionOptions& options)
{
    auto pictures = std::make_unique<media::PictureStore>(withSlash(options.folders.data),
                                                          pictureCacheFolder(options.pictureCache));
    // The first game begins with its title, which the window's first frame
    // shows.
    pictures->decodeTitleAhead();
    return pictures;
}

template <typename F> void GameSession::call(F&& handler)
{
    if (stopped_)
        return;
    try {
        handler();
    } catch (const PictureFileError& error) {
        stopOnPictureError(error);
    }
}

GameSession::GameSession(MainWindow& window, Dialogs& dialogs, std::unique_ptr<game::Random> random,
                         SessionOptions options)
    : GameSession(window, dialogs, std::move(random), options, openPictures(options))
{}

GameSession::GameSession(MainWindow& window, Dialogs& dialogs, std::unique_ptr<game::Random> random,
                         SessionOptions options, std::unique_ptr<media::PictureStore> pictures)
    : window_(window), dialogs_(dialogs), options_(std::move(options)), pictures_(std::move(pictures))
{
    options_.folders = {withSlash(options_.folders.data), withSlash(options_.folders.save),
                        withSlash(options_.folders.modules)};
    random_ = random ? std::move(random) : std::make_unique<game::ClockSeededRandom>();
    game_ = std::make_unique<Game>(*this, *random_, persist::unsavableCharacters, translateGameText);
    clock_ = addTimer("Tim", &Game::Tim_Timer);
    animation_ = addTimer("TimAnm", &Game::TimAnm_Timer);
    chatter_ = addTimer("TimSya", &Game::TimSya_Timer);
    connectWindow();

    call([this] { game_->Form_Load(); });
    animation_->start(game::AnimationTickMs);
    chatter_->start(game::ChatterTickMs);
}

GameSession::~GameSession() = default;

QTimer* GameSession::addTimer(const char* name, void (Game::*tick)())
{
    auto* timer = new QTimer(this);
    timer->setObjectName(QLatin1String(name));
    // Ticks that come before the first game has begun find no pictures yet.
    connect(timer, &QTimer::timeout, this, [this, tick] {
        if (running_)
            call([this, tick] { (game_.get()->*tick)(); });
    });
    return timer;
}

void GameSession::connectWindow()
{
    MainWindow& w = window_;
    connect(&w, &MainWindow::commandClicked, this, [this](int i) { call([this, i] { game_->Opt_Click(i); }); });
    connect(&w, &MainWindow::petPressed, this, [this] { call([this] { game_->IMG_MouseDown(); }); });
    connect(&w, &MainWindow::speechPressed, this,
            [this](int code) { call([this, code] { game_->Lbl_MouseDown(static_cast<std::uint8_t>(code)); }); });
    connect(&w, &MainWindow::speechClicked, this, [this] { call([this] { game_->Lbl_Click(); }); });
    connect(&w, &MainWindow::helpClicked, this, &GameSession::showHelp);
    connect(&w, &MainWindow::firstShown, this, &GameSession::Form_Activate);
    connect(&w, &MainWindow::firstFrameShown, this,
            [this] { QTimer::singleShot(WindowSettlesMs, this, [this] { pictures_->letGoOfDecodedTitle(); }); });
    // Opening the sounds loads the audio libraries, several megabytes that a
    // game waiting at its title does without: they come with the click that
    // leaves the title, once it is handled, and are ready long before the
    // first command can be chosen. A sound asked for before opens them at once.
    connect(&w, &MainWindow::speechPressed, this, [this] {
        if (!sounds_)
            QMetaObject::invokeMethod(
                this,
                [this] {
                    if (!stopped_)
                        sounds();
                },
                Qt::QueuedConnection);
    });
    // The picture shown is drawn again at the new size, so that playing
    // never stretches one.
    connect(&w, &MainWindow::petAreaResized, this, [this] {
        if (running_)
            call([this] { showPetPicture(petShows_); });
    });
    // The window shows its own words anew; the game's are said again.
    connect(&w, &MainWindow::languageChanged, this, [this] {
        if (running_)
            call([this] {
                game_->showTextsAgain();
                showPetPicture(petShows_);
            });
    });
    connect(&w, &MainWindow::closing, this, [this] {
        if (stopped_)
            return;
        halt();
        endProgram(0);
    });

    Menus& m = w.menus();
    const QString saveFolder = options_.folders.save;
    connect(&m, &Menus::saveChosen, this,
            [this, saveFolder] { call([&] { saveGame(*game_, dialogs_, saveFolder); }); });
    connect(&m, &Menus::loadChosen, this,
            [this, saveFolder] { call([&] { loadGame(*game_, dialogs_, saveFolder); }); });
    connect(&m, &Menus::soundSwitchChosen, this, [this] { call([this] { game_->mnuBGM_Click(); }); });
    connect(&m, &Menus::superFastSwitchChosen, this, [this] { call([this] { game_->mnuMODE_Click(); }); });
    connect(&m, &Menus::eventsSwitchChosen, this, [this] { call([this] { game_->mnuIVENT_Click(); }); });
    connect(&m, &Menus::endingChosen, this, [this](int n) { call([this, n] { game_->mnuEnding_Click(n); }); });
    connect(&m, &Menus::aboutChosen, this, [this] { dialogs_.about(aboutTitle(), aboutText()); });
}

void GameSession::Form_Activate()
{
    if (activated_ || stopped_)
        return;
    activated_ = true;
    call([this] {
        pictures_->checkFiles();
        running_ = true;
        game_->Opening();
    });
}

void GameSession::showPetPicture(std::optional<game::Picture> picture)
{
    const PetPicture& pet = window_.pet();
    const media::PictureDisplay display{pet.size(), pet.devicePixelRatioF()};
    window_.showPet(picture ? pictures_->picture(*picture, display) : pictures_->title(display),
                    picture ? pictureName(*picture) : titlePictureName());
    petShows_ = picture;
}

void GameSession::stopOnPictureError(const PictureFileError& error)
{
    // Nothing of the game may run while the box is open: it would find a
    // picture missing.
    halt();
    const char* what = error.kind() == PictureFileError::Kind::Missing
        ? QT_TRANSLATE_NOOP("Picture files", "画像ファイルが見つかりません。")
        : QT_TRANSLATE_NOOP("Picture files", "画像ファイルを読み込めません。");
    //: What went wrong, then the picture file's path.
    const char* stopping = QT_TRANSLATE_NOOP("Picture files", "%1\n\n%2\n\nもこぴ育成を終了します。");
    dialogs_.fatal(applicationTitle(),
                   QCoreApplication::translate("Picture files", stopping)
                       .arg(QCoreApplication::translate("Picture files", what), error.path()));
    window_.hide();
    endProgram(MissingPictureExitCode);
}

void GameSession::halt()
{
    stopped_ = true;
    running_ = false;
    clock_->stop();
    animation_->stop();
    chatter_->stop();
    if (sounds_)
        sounds_->close();
}

void GameSession::endProgram(int exitCode)
{
    if (options_.endProgram)
        options_.endProgram(exitCode);
    else
        QCoreApplication::exit(exitCode);
}

media::Sounds& GameSession::sounds()
{
    if (!sounds_)
        sounds_ = media::openSounds(options_.folders.data, options_.folders.modules);
    return *sounds_;
}

bool GameSession::soundsOpen() const { return sounds_ && sounds_->isOpen(); }

void GameSession::showHelp()
{
    dialogs_.message(applicationTitle(), versionText());
    dialogs_.message(applicationTitle(), helpText());
}

// Outside -------------------------------------------------------------------

void GameSession::showPicture(game::Picture picture) { showPetPicture(picture); }

void GameSession::showTitlePicture() { showPetPicture(std::nullopt); }

void GameSession::setSpeech(const std::string& text) { window_.setSpeech(toQt(text)); }

void GameSession::setSpeechMarks(game::Rgb textColour, const std::string& clickHint)
{
    window_.setSpeechMarks(toQColor(textColour), toQt(clickHint));
}

void GameSession::showStatus(const game::StatusView& view)
{
    window_.showClock(toQt(view.hourCaption), toQt(view.dayCaption));
    window_.showStatus(toQt(view.statusCaption), toQColor(view.panelBackground), toQColor(view.panelText),
                       view.fatigueBarWidth);
}

void GameSession::setClock(bool running, int intervalMs)
{
    // An interval of 0 never ticks, as before start-up.
    if (clock_->interval() != intervalMs)
        clock_->setInterval(intervalMs);
    if (running && intervalMs > 0) {
        if (!clock_->isActive())
            clock_->start();
    } else {
        clock_->stop();
    }
}

void GameSession::selectCommand(int command) { window_.selectCommand(command); }

void GameSession::showSwitches(bool soundOn, bool superFast, bool eventsOn)
{
    window_.menus().showSwitches(soundOn, superFast, eventsOn);
}

void GameSession::showClearedEndings(const game::ClearedEndings& cleared)
{
    window_.menus().showClearedEndings(cleared);
}

void GameSession::playSound(int sound) { sounds().play(sound); }

std::string GameSession::askText(const std::string& title, const std::string& prompt)
{
    return dialogs_.askText(toQt(title), toQt(prompt)).toStdString();
}

void GameSession::tell(const std::string& text) { dialogs_.message(applicationTitle(), toQt(text)); }

bool GameSession::askYesNo(const std::string& text) { return dialogs_.askYesNo(applicationTitle(), toQt(text)); }

}  // namespace mokopi::ui
