#include "support/running_game.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>
#include <map>

#include "support/wait.h"

namespace mokopi::e2e {

namespace {

const std::string Title = "もこぴ育成";

bool neutral(QRgb p) { return std::abs(qRed(p) - qGreen(p)) < 12 && std::abs(qGreen(p) - qBlue(p)) < 12; }

std::vector<std::string> gameEnvironment(const VirtualScreen& screen, const TemporaryFolder& runtime,
                                         const std::vector<std::string>& extra)
{
    // No sound server unless the test brings one: the game must never play
    // into a server some other program on the machine is listening to. Its
    // picture cache stays in the run's own folder, out of the real home. No
    // session bus either: Qt would have one started for it (D-Bus
    // autolaunch), which outlives the test once the game is killed.
    std::map<std::string, std::string> env = {
        {"DBUS_SESSION_BUS_ADDRESS", "disabled:"},
        {"DISPLAY", screen.name()},
        {"QT_QPA_PLATFORM", "xcb"},
        {"XDG_RUNTIME_DIR", runtime.path().string()},
        {"XDG_CACHE_HOME", (runtime / "cache").string()},
        {"PULSE_SERVER", "unix:" + (runtime / "no-sound-server").string()},
    };
    for (const std::string& entry : extra)
        env[entry.substr(0, entry.find('='))] = entry.substr(entry.find('=') + 1);
    std::vector<std::string> result;
    for (const auto& [name, value] : env)
        result.push_back(name + "=" + value);
    return result;
}

}  // namespace

RunningGame::RunningGame(VirtualScreen& screen, const AppFolder& folder, const std::vector<std::string>& environment)
    : screen_(screen),
      input_(screen),
      folder_(folder.path()),
      runtime_("mokopi-e2e-run"),
      process_({folder.program().string()},
               {gameEnvironment(screen, runtime_, environment), (runtime_ / "mokopi.log").string()})
{
}

RunningGame::~RunningGame()
{
    process_.stop();
    if (::testing::Test::HasFailure() && std::filesystem::exists(runtime_ / "mokopi.log"))
        std::cerr << "--- what the game printed:\n" << readFile(runtime_ / "mokopi.log") << "---\n";
}

void RunningGame::waitForWindow()
{
    waitUntil("the game's window", [this] {
        for (const ScreenWindow& w : screen_.windows())
            if (w.isNormal() && w.title == Title)
                return window_ = w, true;
        return false;
    });
    // The menu bar is grey; the first coloured row below it in the right
    // column is the top of the first command button, the grid's first row.
    waitUntil("the window to be painted", [this] {
        const QRect column(window_.geometry.right() - 5, window_.geometry.top(), 1, window_.geometry.height() / 4);
        const QImage shot = screen_.grab(column);
        for (int y = 0; y < shot.height(); ++y)
            if (!neutral(shot.pixel(0, y)))
                return menuBarHeight_ = y, y > 5;
        return false;
    });
}

QRect RunningGame::cell(double left, double top, double width, double height) const
{
    const QRect& w = window_.geometry;
    const double cellWidth = w.width() / 10.0, cellHeight = (w.height() - menuBarHeight_) / 10.0;
    const int x = w.x() + static_cast<int>(std::lround(left * cellWidth));
    const int y = w.y() + menuBarHeight_ + static_cast<int>(std::lround(top * cellHeight));
    return QRect(x, y, static_cast<int>(std::lround(width * cellWidth)),
                 static_cast<int>(std::lround(height * cellHeight)));
}

void RunningGame::restPointer() const
{
    // Over the menu bar, right of its titles: no tool tip, no hover look.
    input_.moveTo(QPoint(window_.geometry.right() - 10, window_.geometry.top() + menuBarHeight_ / 2));
}

void RunningGame::clickSpeech(int button)
{
    input_.click(speechPanel().center(), button);
    restPointer();
}

void RunningGame::pet()
{
    input_.click(petArea().center());
    restPointer();
}

void RunningGame::chooseCommand(int command)
{
    input_.click(commandButton(command).center());
    restPointer();
}

void RunningGame::pressHelp()
{
    input_.click(helpButton().center());
    restPointer();
}

std::optional<ScreenWindow> RunningGame::openMenu() const
{
    // The one on top: while the next menu opens, the last may still show.
    std::optional<ScreenWindow> top;
    for (const ScreenWindow& w : screen_.windows())
        if (w.isMenu())
            top = w;
    return top;
}

QPoint RunningGame::menuTitle(Menu menu) const
{
    // The titles are dark text on the grey bar; the gaps between titles are
    // far wider than those between the letters of one.
    const QRect bar(window_.geometry.left(), window_.geometry.top() + menuBarHeight_ / 4, window_.geometry.width() / 2,
                    menuBarHeight_ / 2);
    const QImage shot = screen_.grab(bar);
    std::vector<std::pair<int, int>> titles;  // first and last inked column
    for (int x = 0; x < shot.width(); ++x) {
        bool inked = false;
        for (int y = 0; y < shot.height(); ++y)
            inked = inked || qGray(shot.pixel(x, y)) < 128;
        if (!inked)
            continue;
        if (titles.empty() || x - titles.back().second > 8)
            titles.emplace_back(x, x);
        titles.back().second = x;
    }
    const auto n = static_cast<std::size_t>(menu);
    if (titles.size() <= n)
        throw std::runtime_error("the menu bar shows " + std::to_string(titles.size()) + " titles");
    return QPoint(bar.left() + (titles[n].first + titles[n].second) / 2, bar.center().y());
}

void RunningGame::chooseMenuItem(Menu menu, int item)
{
    // A menu opened by a click has no item chosen yet: the n-th Down reaches
    // the n-th item. Keys go to the menu once it has the focus; with no
    // window manager nobody else gives it.
    input_.click(menuTitle(menu));
    waitUntil("the menu to open", [&] { return openMenu().has_value(); });
    input_.focus(openMenu()->id);
    std::vector<std::string> keys(static_cast<std::size_t>(item), "Down");
    keys.push_back("Return");
    input_.keys(keys);
    waitUntil("the menu to close", [this] { return !openMenu(); });
}

std::vector<ScreenWindow> RunningGame::boxes() const
{
    std::vector<ScreenWindow> result;
    for (const ScreenWindow& w : screen_.windows())
        if (w.isDialog())
            result.push_back(w);
    return result;
}

std::optional<ScreenWindow> RunningGame::findBox(const std::string& title) const
{
    for (const ScreenWindow& w : boxes())
        if (w.title == title)
            return w;
    return std::nullopt;
}

ScreenWindow RunningGame::waitForBox(const std::string& title)
{
    waitUntil("a box titled " + title, [&] { return findBox(title).has_value(); });
    return *findBox(title);
}

ScreenWindow RunningGame::clickSpeechUntilBox(const std::string& title)
{
    for (int click = 0; click < 20; ++click) {
        const QImage before = grab(speechPanel());
        clickSpeech();
        waitUntil("the click to show a page or a box",
                  [&] { return findBox(title).has_value() || grab(speechPanel()) != before; });
        if (const auto box = findBox(title))
            return *box;
    }
    throw std::runtime_error("no box titled " + title + " after 20 pages");
}

void RunningGame::turnPage()
{
    const QImage before = grab(speechPanel());
    clickSpeech();
    waitUntil("the next page", [&] { return grab(speechPanel()) != before; });
}

void RunningGame::answerBox(const ScreenWindow& box, const std::string& key)
{
    input_.focus(box.id);
    input_.keys({key});
    waitUntil("the box to close", [&] {
        const auto open = boxes();
        return std::none_of(open.begin(), open.end(), [&](const ScreenWindow& w) { return w.id == box.id; });
    });
}

void RunningGame::typeIntoBox(const ScreenWindow& box, const std::string& text)
{
    input_.focus(box.id);
    input_.type(text);
}

std::string RunningGame::picture() const
{
    if (!pictures_)
        pictures_ = std::make_unique<PictureCatalogue>(folder_);
    return pictures_->closest(screen_.grab(petArea().adjusted(1, 1, -1, -1))).file;
}

void RunningGame::waitForPicture(const std::string& what, const std::vector<std::string>& files)
{
    waitUntil(what, [&] { return std::find(files.begin(), files.end(), picture()) != files.end(); });
}

QColor RunningGame::statusColour() const
{
    // Below the three lines of text the panel shows nothing but its colour.
    const QRect panel = statusPanel();
    const QImage shot = screen_.grab(QRect(panel.left() + 4, panel.bottom() - 8, panel.width() - 8, 4));
    std::map<QRgb, int> counts;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            ++counts[shot.pixel(x, y)];
    return QColor(std::max_element(counts.begin(), counts.end(), [](auto& a, auto& b) { return a.second < b.second; })
                      ->first);
}

int RunningGame::fatigueShown() const
{
    // The bar is red merged with the inverse of the yellow panel: purple. Its
    // bottom row lies under the click hint, which is empty while no scene runs.
    const QRect panel = speechPanel();
    const QImage row = screen_.grab(QRect(panel.left(), panel.bottom() - 1, panel.width(), 1));
    int width = 0;
    while (width < row.width() && QColor(row.pixel(width, 0)) == QColor(192, 0, 127))
        ++width;
    return static_cast<int>(std::lround(width * 255.0 / panel.width()));
}

int RunningGame::pressedCommand() const
{
    // The three buttons' colours are equally bright; a pressed one is darker.
    // A strip left of the caption holds only the button's face.
    std::vector<int> brightness;
    for (int i = 0; i < 3; ++i) {
        const QRect button = commandButton(i);
        const QImage face = screen_.grab(QRect(button.left() + 4, button.top() + 6, 6, button.height() - 12));
        long sum = 0;
        for (int y = 0; y < face.height(); ++y)
            for (int x = 0; x < face.width(); ++x)
                sum += qRed(face.pixel(x, y)) + qGreen(face.pixel(x, y)) + qBlue(face.pixel(x, y));
        brightness.push_back(static_cast<int>(sum / (face.width() * face.height())));
    }
    const int darkest = static_cast<int>(std::min_element(brightness.begin(), brightness.end()) - brightness.begin());
    for (int i = 0; i < 3; ++i)
        if (i != darkest && brightness[i] - brightness[darkest] < 20)
            return -1;
    return darkest;
}

std::optional<int> RunningGame::waitForExit(std::chrono::milliseconds limit) { return process_.waitForExit(limit); }

}  // namespace mokopi::e2e
