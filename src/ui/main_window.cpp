// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/main_window.h"

#include <QAction>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>

#include "game/game.h"
#include "game/random.h"
#include "game/status_display.h"
#include "media/picture_store.h"
#include "media/sound_bank.h"
#include "persist/cp932.h"
#include "ui/accessibility.h"
#include "ui/app_icon.h"
#include "ui/colours.h"
#include "ui/command_button.h"
#include "ui/dialogs.h"
#include "ui/focus_mark.h"
#include "ui/fonts.h"
#include "ui/help_text.h"
#include "ui/keyboard.h"
#include "ui/pet_picture.h"
#include "ui/save_commands.h"
#include "ui/speech_panel.h"

namespace mokopi::ui {

namespace {

// The game speaks UTF-8 with CR LF line breaks; Qt wants "\n".
QString toQt(const std::string& text)
{
    return QString::fromStdString(text).replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

QColor toQColor(Rgb c) { return QColor(c.red, c.green, c.blue); }

QLabel* makeClockLabel(QWidget* parent, const char* name, const char* tip)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignCenter);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setLineWidth(1);
    label->setToolTip(QString::fromUtf8(tip));
    label->setFont(designFont(ClockFamily, 9, QFont::Medium));
    setColour(label, QPalette::WindowText, DarkYellow);
    return label;
}

QString withSlash(QString folder)
{
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

QString pictureCacheFolder(const QString& path)
{
    if (!path.isEmpty())
        return path;
    const QString userCache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    return userCache.isEmpty() ? QString() : userCache + QStringLiteral("/pictures");
}

}  // namespace

template <typename F> void MainWindow::call(F&& handler)
{
    if (stopped_)
        return;
    try {
        handler();
    } catch (const PictureFileError& error) {
        stopOnPictureError(error);
    }
}

MainWindow::MainWindow(Dialogs& dialogs, std::unique_ptr<Random> random, WindowOptions options)
    : dialogs_(dialogs), options_(std::move(options))
{
    installFontSubstitutions();
    buildControls();
    buildMenus();
    describeControls(this);

    // Start-up, in the game's order.
    random_ = random ? std::move(random) : std::make_unique<ClockSeededRandom>();
    folders_ = {withSlash(options_.folders.data), withSlash(options_.folders.save)};
    sounds_ = std::make_unique<SoundBank>(folders_.data);
    store_ = std::make_unique<PictureStore>(folders_.data, pictureCacheFolder(options_.pictureCache));
    game_ = std::make_unique<Game>(*this, *random_, unsavableCharacters);
    call([this] { game_->Form_Load(); });
    timAnm_->start(100);
    timSya_->start(1000);

    setWindowIcon(applicationIcon(folders_.data));
    screenHeightPixels_ = options_.screenHeightPixels;
    if (screenHeightPixels_ <= 0) {
        const QScreen* screen = QGuiApplication::primaryScreen();
        screenHeightPixels_ = screen ? screen->geometry().height() : 768;
    }
    applyLayout(screenHeightPixels_, estimatedDecorations());
}

MainWindow::~MainWindow() = default;

void MainWindow::buildControls()
{
    setObjectName(QStringLiteral("Fom"));
    setWindowTitle(applicationTitle());
    // A fixed frame with a close button only.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);

    client_ = new QWidget(this);
    client_->setAutoFillBackground(true);
    setColour(client_, QPalette::Window, WindowYellow);
    setCentralWidget(client_);

    // Created in the design's order, which is also the stacking order.
    pic_ = new SpeechPanel(client_);

    picStr_ = new QWidget(client_);
    picStr_->setObjectName(QStringLiteral("PicStr"));
    picStr_->setAutoFillBackground(true);
    picStr_->setToolTip(QStringLiteral("もこぴのスターテス"));
    setColour(picStr_, QPalette::Window, Qt::black);
    lblStr_ = new QLabel(picStr_);
    lblStr_->setObjectName(QStringLiteral("LblStr"));
    lblStr_->setTextFormat(Qt::PlainText);
    lblStr_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblStr_->setToolTip(QStringLiteral("スターテスです"));
    lblStr_->setFont(designFont(MinchoFamily, 9));

    com_ = new CommandButton(QStringLiteral("バージョン＆遊び方"), client_);
    com_->setObjectName(QStringLiteral("Com"));
    com_->setToolTip(QStringLiteral("もこぴとの遊び方を教えてあげます"));
    com_->setFont(designFont(GothicFamily, 10));
    com_->setAutoFillBackground(true);
    setColour(com_, QPalette::Button, QColor(255, 255, 0));
    connect(com_, &QPushButton::clicked, this, [this] { showHelp(); });

    tim_ = new QTimer(this);
    tim_->setObjectName(QStringLiteral("Tim"));
    timAnm_ = new QTimer(this);
    timAnm_->setObjectName(QStringLiteral("TimAnm"));
    timSya_ = new QTimer(this);
    timSya_->setObjectName(QStringLiteral("TimSya"));
    // Ticks that come before the first game has begun find no pictures yet.
    connect(tim_, &QTimer::timeout, this, [this] {
        if (running_)
            call([this] { game_->Tim_Timer(); });
    });
    connect(timAnm_, &QTimer::timeout, this, [this] {
        if (running_)
            call([this] { game_->TimAnm_Timer(); });
    });
    connect(timSya_, &QTimer::timeout, this, [this] {
        if (running_)
            call([this] { game_->TimSya_Timer(); });
    });

    struct OptDesign {
        const char* caption;
        QColor colour;
        const char* tip;
    };
    const OptDesign opts[3] = {
        {"うた", QColor(128, 128, 255), "お歌を歌います"},
        {"おどり", QColor(128, 255, 128), "踊りを踊ります"},
        {"やすむ", QColor(255, 128, 128), "おやすみします"},
    };
    optGroup_ = new QButtonGroup(this);
    optGroup_->setExclusive(true);
    for (int i = 2; i >= 0; --i) {
        auto* button = new CommandButton(QString::fromUtf8(opts[i].caption), client_);
        button->setObjectName(QStringLiteral("Opt%1").arg(i));
        button->setCheckable(true);
        button->setToolTip(QString::fromUtf8(opts[i].tip));
        button->setFont(designFont(GothicFamily, 14));
        button->setAutoFillBackground(true);
        setColour(button, QPalette::Button, opts[i].colour);
        optGroup_->addButton(button, i);
        opt_[i] = button;
    }
    opt_[2]->setChecked(true);
    // Every click counts, also on the command already chosen: it plays its
    // sound again from the start.
    connect(optGroup_, &QButtonGroup::idClicked, this, [this](int i) { call([this, i] { game_->Opt_Click(i); }); });

    lblDay_ = makeClockLabel(client_, "LblDay", "今の日にちです");
    lblTimDay_ = makeClockLabel(client_, "LblTimDay", "今の時間です");

    img_ = new PetPicture(client_);
    connect(img_, &PetPicture::pressed, this, [this] { call([this] { game_->IMG_MouseDown(); }); });

    ClickLabel* lbl = pic_->speech();
    connect(lbl, &ClickLabel::pressed, this,
            [this](int code) { call([this, code] { game_->Lbl_MouseDown(static_cast<std::uint8_t>(code)); }); });
    connect(lbl, &ClickLabel::clicked, this, [this] { call([this] { game_->Lbl_Click(); }); });

    // The design's order, less the panels and the click hint, which never
    // take the focus. Tab also stops at the hour, the day and the status, for
    // screen readers, and last at the pet, which has no place in the design.
    for (QWidget* readable :
         {static_cast<QWidget*>(lblTimDay_), static_cast<QWidget*>(lblDay_), static_cast<QWidget*>(lblStr_)})
        readable->setFocusPolicy(Qt::TabFocus);
    QWidget* order[] = {opt_[0], opt_[1], opt_[2], com_, lblTimDay_, lblDay_, lblStr_, lbl, img_};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);
    lbl->setFocus();
    new FocusMark(client_);
    addWindowKeys(this, {{opt_[0], opt_[1], opt_[2]}, com_, img_});
}

void MainWindow::buildMenus()
{
    QMenuBar* bar = menuBar();

    QMenu* mnu1 = bar->addMenu(QStringLiteral("メニュウ"));
    mnu1->setObjectName(QStringLiteral("mnu1"));
    QAction* save = mnu1->addAction(QStringLiteral("セーブ"));
    save->setObjectName(QStringLiteral("mnuSAVE0"));
    connect(save, &QAction::triggered, this, [this] { call([this] { saveGame(*game_, dialogs_, folders_.save); }); });
    QAction* load = mnu1->addAction(QStringLiteral("ロード"));
    load->setObjectName(QStringLiteral("mnuSAVE1"));
    connect(load, &QAction::triggered, this, [this] { call([this] { loadGame(*game_, dialogs_, folders_.save); }); });
    mnu1->addSeparator()->setObjectName(QStringLiteral("bar2"));
    QAction* mnuEnd = mnu1->addAction(QStringLiteral("終了"));
    mnuEnd->setObjectName(QStringLiteral("mnuEnd"));
    connect(mnuEnd, &QAction::triggered, this, &QWidget::close);

    // The switches belong to the game: a click asks the game to toggle and
    // the check mark then shows what the game holds.
    auto addSwitch = [this](QMenu* menu, const char* caption, const char* name, void (Game::*handler)()) {
        QAction* action = menu->addAction(QString::fromUtf8(caption));
        action->setObjectName(QLatin1String(name));
        action->setCheckable(true);
        connect(action, &QAction::triggered, this,
                [this, handler] { call([this, handler] { (game_.get()->*handler)(); }); });
        return action;
    };
    QMenu* mnu2 = bar->addMenu(QStringLiteral("オプション"));
    mnu2->setObjectName(QStringLiteral("mnu2"));
    mnuBGM_ = addSwitch(mnu2, "ＳＥ", "mnuBGM", &Game::mnuBGM_Click);
    mnu2->addSeparator()->setObjectName(QStringLiteral("bar3"));
    mnuMODE_ = addSwitch(mnu2, "超早モード", "mnuMODE", &Game::mnuMODE_Click);
    mnuIVENT_ = addSwitch(mnu2, "イベントアリ", "mnuIVENT", &Game::mnuIVENT_Click);
    mnuBGM_->setChecked(true);
    mnuMODE_->setChecked(true);
    mnuIVENT_->setChecked(true);

    QMenu* mnu3 = bar->addMenu(QStringLiteral("エンディング"));
    mnu3->setObjectName(QStringLiteral("mnu3"));
    const char* endings[9] = {"王宮の恋人", "恋人",       "さえない人生",   "詩歌い",        "踊り子",
                              "愛の詩歌い", "愛の踊り子", "やつれた詩歌い", "やつれた踊り子"};
    for (int n = 0; n < 9; ++n) {
        QAction* action = mnu3->addAction(QString::fromUtf8(endings[n]));
        action->setObjectName(QStringLiteral("mnuEnding%1").arg(n));
        connect(action, &QAction::triggered, this, [this, n] { call([this, n] { game_->mnuEnding_Click(n); }); });
        mnuEnding_[n] = action;
    }
    addMenuShortcuts(save, load, mnuEnd);
}

Decorations MainWindow::estimatedDecorations() const
{
    // The frame is not known before the window is shown; under a window
    // manager it is measured at the first activation and the layout redone.
    Decorations d;
    d.menuBarHeight = menuBar()->sizeHint().height();
    return d;
}

void MainWindow::applyLayout(int screenHeightPixels, const Decorations& decorations)
{
    decorations_ = decorations;
    layout_ = computeWindowLayout(screenHeightPixels, decorations);
    const WindowLayout& l = layout_;
    setFixedSize(l.outerPixels - decorations.frameWidth, l.outerPixels - decorations.frameHeight);
    client_->setFixedSize(l.clientWidth, l.clientHeight);

    auto place = [&l](QWidget* w, double left, double top, double width, double height) {
        const PixelRect r = l.cell(left, top, width, height);
        w->setGeometry(r.x, r.y, r.width, r.height);
    };
    place(img_, 0, 0, 8, 8);
    for (int i = 0; i < 3; ++i) {
        place(opt_[i], 8, i, 2, 1);
        opt_[i]->setFont(designFont(GothicFamily, l.buttonFontSize()));
    }
    place(com_, 8, 3, 2, 1);
    com_->setFont(designFont(GothicFamily, l.buttonFontSize()));
    place(lblTimDay_, 8, 4, 1, 1);
    place(lblDay_, 9, 4, 1, 1);
    lblTimDay_->setFont(designFont(ClockFamily, l.clockFontSize(), QFont::Medium));
    lblDay_->setFont(designFont(ClockFamily, l.clockFontSize(), QFont::Medium));
    place(picStr_, 8, 5, 2, 3);
    lblStr_->setGeometry(picStr_->rect());
    lblStr_->setFont(designFont(MinchoFamily, l.statusFontSize()));
    place(pic_, 0, 8, 10, 2);
    pic_->placeChildren();
    pic_->setFontSizes(l.speechFontSize(), l.hintFontSize());

    centreOnScreen();
}

void MainWindow::centreOnScreen()
{
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    move(area.x() + (area.width() - layout_.outerPixels) / 2, area.y() + (area.height() - layout_.outerPixels) / 2);
}

void MainWindow::correctForWindowFrame()
{
    // The window manager adds its frame only after the window is mapped; the
    // first time it is known, the layout is redone so the outer square holds.
    const QSize frame = frameGeometry().size() - geometry().size();
    if (frameMeasured_ || frame.isEmpty())
        return;
    frameMeasured_ = true;
    Decorations measured = estimatedDecorations();
    measured.frameWidth = frame.width();
    measured.frameHeight = frame.height();
    if (measured == decorations_)
        return;
    applyLayout(screenHeightPixels_, measured);
    // The picture shown is drawn again at the new size, so that playing
    // never stretches one.
    if (running_)
        call([this] { showPetPicture(petShows_); });
}

bool MainWindow::event(QEvent* event)
{
    if (event->type() == QEvent::Move || event->type() == QEvent::WindowActivate)
        correctForWindowFrame();
    return QMainWindow::event(event);
}

void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    // Queued rather than called here: the program's event loop is running by
    // then, so a picture that stops the game can end it; and the call still
    // comes before the window system asks for the first frame, which thus
    // shows the title. An activation is not awaited: without a window
    // manager none ever comes.
    if (!activated_)
        QMetaObject::invokeMethod(this, &MainWindow::Form_Activate, Qt::QueuedConnection);
}

void MainWindow::Form_Activate()
{
    if (activated_ || stopped_)
        return;
    activated_ = true;
    correctForWindowFrame();
    call([this] {
        store_->checkFiles();
        running_ = true;
        game_->Opening();
    });
}

void MainWindow::showPetPicture(std::optional<Picture> picture)
{
    const PictureDisplay display{img_->size(), img_->devicePixelRatioF()};
    img_->setPixmap(picture ? store_->picture(*picture, display) : store_->title(display));
    setSpokenName(img_, picture ? pictureName(*picture) : titlePictureName());
    petShows_ = picture;
}

void MainWindow::stopOnPictureError(const PictureFileError& error)
{
    // Nothing of the game may run while the box is open: it would find a
    // picture missing.
    halt();
    const QString what = error.kind() == PictureFileError::Kind::Missing
        ? QStringLiteral("画像ファイルが見つかりません。")
        : QStringLiteral("画像ファイルを読み込めません。");
    dialogs_.fatal(applicationTitle(),
                   what + QStringLiteral("\n\n") + error.path() + QStringLiteral("\n\nもこぴ育成を終了します。"));
    hide();
    endProgram(MissingPictureExitCode);
}

void MainWindow::halt()
{
    stopped_ = true;
    running_ = false;
    tim_->stop();
    timAnm_->stop();
    timSya_->stop();
    sounds_->close();
}

void MainWindow::endProgram(int exitCode)
{
    if (options_.endProgram)
        options_.endProgram(exitCode);
    else
        QCoreApplication::exit(exitCode);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // Quitting asks nothing and saves nothing.
    event->accept();
    if (stopped_)
        return;
    halt();
    endProgram(0);
}

void MainWindow::showHelp()
{
    dialogs_.message(applicationTitle(), versionText());
    dialogs_.message(applicationTitle(), helpText());
}

// Outside -------------------------------------------------------------------

void MainWindow::showPicture(Picture picture) { showPetPicture(picture); }

void MainWindow::showTitlePicture() { showPetPicture(std::nullopt); }

void MainWindow::setSpeech(const std::string& text) { pic_->speech()->setText(toQt(text)); }

void MainWindow::setSpeechMarks(Rgb textColour, const std::string& clickHint)
{
    setColour(pic_->speech(), QPalette::WindowText, toQColor(textColour));
    pic_->clickHint()->setText(toQt(clickHint));
}

void MainWindow::showStatus(const StatusView& view)
{
    lblTimDay_->setText(toQt(hourCaption(view)));
    lblDay_->setText(toQt(dayCaption(view)));
    setSpokenName(lblTimDay_, spokenHour(view));
    setSpokenName(lblDay_, spokenDay(view));
    lblStr_->setText(toQt(statusCaption(view)));
    setColour(picStr_, QPalette::Window, toQColor(view.panelBackground));
    setColour(lblStr_, QPalette::WindowText, toQColor(view.panelText));
    pic_->setFatigue(view.fatigueBarWidth);
}

void MainWindow::setClock(bool running, int intervalMs)
{
    // An interval of 0 never ticks, as before start-up.
    if (tim_->interval() != intervalMs)
        tim_->setInterval(intervalMs);
    if (running && intervalMs > 0) {
        if (!tim_->isActive())
            tim_->start();
    } else {
        tim_->stop();
    }
}

void MainWindow::selectCommand(int command)
{
    if (command >= 0 && command < 3)
        opt_[command]->setChecked(true);
}

void MainWindow::showSwitches(bool soundOn, bool superFast, bool eventsOn)
{
    mnuBGM_->setChecked(soundOn);
    mnuMODE_->setChecked(superFast);
    mnuIVENT_->setChecked(eventsOn);
}

void MainWindow::showClearedEndings(const std::array<bool, 9>& cleared)
{
    for (int n = 0; n < 9; ++n) {
        mnuEnding_[n]->setEnabled(cleared[n]);
        mnuEnding_[n]->setChecked(false);
    }
}

void MainWindow::playSound(int sound) { sounds_->play(sound); }

std::string MainWindow::askText(const std::string& title, const std::string& prompt)
{
    return dialogs_.askText(toQt(title), toQt(prompt)).toStdString();
}

void MainWindow::tell(const std::string& text) { dialogs_.message(applicationTitle(), toQt(text)); }

bool MainWindow::askYesNo(const std::string& text) { return dialogs_.askYesNo(applicationTitle(), toQt(text)); }

}  // namespace mokopi::ui
