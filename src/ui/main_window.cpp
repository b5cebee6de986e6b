// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/main_window.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>

#include "ui/accessibility.h"
#include "ui/colours.h"
#include "ui/command_button.h"
#include "ui/focus_mark.h"
#include "ui/fonts.h"
#include "ui/keyboard.h"
#include "ui/menus.h"
#include "ui/pet_picture.h"
#include "ui/speech_panel.h"
#include "ui/status_panel.h"
#include "ui/window_texts.h"

namespace mokopi::ui {

namespace {

int primaryScreenHeight()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().height() : 768;
}

}  // namespace

MainWindow::MainWindow(int screenHeightPixels)
    : screenHeightPixels_(screenHeightPixels > 0 ? screenHeightPixels : primaryScreenHeight())
{
    setObjectName(QStringLiteral("Fom"));
    // A fixed frame with a close button only.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    buildControls();
    menus_ = new Menus(menuBar());
    connect(menus_, &Menus::quitChosen, this, &QWidget::close);
    orderTabStops();
    showWindowTexts(this);
    describeControls(this);
    applyLayout(estimatedDecorations());
}

void MainWindow::buildControls()
{
    client_ = new QWidget(this);
    client_->setAutoFillBackground(true);
    setColour(client_, QPalette::Window, WindowYellow);
    setCentralWidget(client_);

    // Created in the design's order, which is also the stacking order.
    speechPanel_ = new SpeechPanel(client_);
    connect(speechPanel_->speech(), &ClickLabel::pressed, this, &MainWindow::speechPressed);
    connect(speechPanel_->speech(), &ClickLabel::clicked, this, &MainWindow::speechClicked);

    statusPanel_ = new StatusPanel(client_);

    helpButton_ = makeHelpButton(client_);
    connect(helpButton_, &QPushButton::clicked, this, &MainWindow::helpClicked);
    commandGroup_ = new QButtonGroup(this);
    commands_ = makeCommandButtons(client_, commandGroup_);
    // Every click counts, also on the command already chosen: it plays its
    // sound again from the start.
    connect(commandGroup_, &QButtonGroup::idClicked, this, &MainWindow::commandClicked);

    day_ = makeClockLabel(client_, "LblDay");
    hour_ = makeClockLabel(client_, "LblTimDay");

    pet_ = new PetPicture(client_);
    connect(pet_, &PetPicture::pressed, this, &MainWindow::petPressed);
}

void MainWindow::orderTabStops()
{
    // The design's order, less the panels and the click hint, which never
    // take the focus. Tab also stops at the hour, the day and the status, for
    // screen readers, and last at the pet, which has no place in the design.
    QLabel* statusText = statusPanel_->text();
    for (QWidget* readable : std::initializer_list<QWidget*>{hour_, day_, statusText})
        readable->setFocusPolicy(Qt::TabFocus);
    ClickLabel* speech = speechPanel_->speech();
    QWidget* order[] = {commands_[0], commands_[1], commands_[2], helpButton_, hour_, day_, statusText, speech, pet_};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        QWidget::setTabOrder(order[i], order[i + 1]);
    speech->setFocus();
    new FocusMark(client_);
    addWindowKeys(this, {{commands_[0], commands_[1], commands_[2]}, helpButton_, [this] { emit petPressed(); }});
}

Decorations MainWindow::estimatedDecorations() const
{
    // The frame is not known before the window is shown; under a window
    // manager it is measured at the first activation and the layout redone.
    Decorations d;
    d.menuBarHeight = menuBar()->sizeHint().height();
    return d;
}

void MainWindow::applyLayout(const Decorations& decorations)
{
    decorations_ = decorations;
    layout_ = computeWindowLayout(screenHeightPixels_, decorations);
    const WindowLayout& l = layout_;
    setFixedSize(l.outerPixels - decorations.frameWidth, l.outerPixels - decorations.frameHeight);
    client_->setFixedSize(l.clientWidth, l.clientHeight);

    auto place = [&l](QWidget* w, double left, double top, double width, double height) {
        const PixelRect r = l.cell(left, top, width, height);
        w->setGeometry(r.x, r.y, r.width, r.height);
    };
    place(pet_, 0, 0, 8, 8);
    for (int i = 0; i < 3; ++i) {
        place(commands_[i], 8, i, 2, 1);
        commands_[i]->setFont(designFont(FontRole::Gothic, l.buttonFontSize()));
    }
    place(helpButton_, 8, 3, 2, 1);
    helpButton_->setFont(designFont(FontRole::Gothic, l.buttonFontSize()));
    place(hour_, 8, 4, 1, 1);
    place(day_, 9, 4, 1, 1);
    hour_->setFont(designFont(FontRole::Clock, l.clockFontSize(), QFont::Medium));
    day_->setFont(designFont(FontRole::Clock, l.clockFontSize(), QFont::Medium));
    const PixelRect status = l.cell(8, 5, 2, 3);
    statusPanel_->place(QRect(status.x, status.y, status.width, status.height), l.statusFontSize());
    place(speechPanel_, 0, 8, 10, 2);
    speechPanel_->placeChildren();
    speechPanel_->setFontSizes(l.speechFontSize(), l.hintFontSize());

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
    applyLayout(measured);
    emit petAreaResized();
}

bool MainWindow::event(QEvent* event)
{
    if (event->type() == QEvent::Move || event->type() == QEvent::WindowActivate)
        correctForWindowFrame();
    // The frame being painted now is on the screen once control returns.
    if (event->type() == QEvent::Paint && !painted_) {
        painted_ = true;
        QMetaObject::invokeMethod(this, &MainWindow::firstFrameShown, Qt::QueuedConnection);
    }
    return QMainWindow::event(event);
}

void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    // Queued rather than told here: the program's event loop is running by
    // then, so a picture that stops the game can end it; and it still comes
    // before the window system asks for the first frame, which thus shows the
    // title. An activation is not awaited: without a window manager none
    // ever comes.
    if (shown_)
        return;
    shown_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            correctForWindowFrame();
            emit firstShown();
        },
        Qt::QueuedConnection);
}

void MainWindow::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    showWindowTexts(this);
    describeControls(this);
    emit languageChanged();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // Quitting asks nothing and saves nothing.
    event->accept();
    emit closing();
}

void MainWindow::showPet(const QPixmap& picture, const QString& spokenName)
{
    pet_->setPixmap(picture);
    setSpokenName(pet_, spokenName);
}

void MainWindow::setSpeech(const QString& text) { speechPanel_->speech()->setText(text); }

void MainWindow::setSpeechMarks(const QColor& textColour, const QString& clickHint)
{
    setColour(speechPanel_->speech(), QPalette::WindowText, textColour);
    speechPanel_->clickHint()->setText(clickHint);
}

void MainWindow::showClock(const QString& hour, const QString& day)
{
    hour_->setText(hour);
    day_->setText(day);
    setSpokenName(hour_, spokenHour(hour));
    setSpokenName(day_, spokenDay(day));
}

void MainWindow::showStatus(const QString& text, const QColor& background, const QColor& textColour, int fatigue)
{
    statusPanel_->display(text, background, textColour);
    speechPanel_->setFatigue(fatigue);
}

void MainWindow::selectCommand(int command)
{
    if (command >= 0 && command < 3)
        commands_[command]->setChecked(true);
}

}  // namespace mokopi::ui
