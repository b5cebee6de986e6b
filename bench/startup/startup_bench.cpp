// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up and memory of the game beside two plain Qt windows, timed from
// outside the process the same way for each: from the fork to the first
// frame that equals the window's settled picture, as the X server's damage
// reports show it, on an Xvfb screen of its own. The game's settled picture
// is its title.
//
// The programs, built with the game's flags:
//   bare window        an empty Qt window of the game's size
//   yardstick          the same window showing one line of the game's
//                      Japanese in its three fonts
//   game, warm cache   the game, with the scaled pictures of an earlier run
//   game, empty cache  the game, with no cache yet
// They run in alternation, A B C D A B C D ..., so that a change of load on
// the machine falls on all alike; each run has a cache folder of its own.
// Also VmRSS at 3 s, and which of Qt Multimedia, PulseAudio and Qt Network
// the program had mapped when its first frame was drawn.
//
//   startup_bench [--rounds N] [--scale F] [--window-manager] [--pictures DIR] APP_FOLDER
// --scale 2 makes the screen twice as large and sets QT_SCALE_FACTOR=2;
// --pictures keeps each program's settled picture as DIR/<program>.ppm.
#include <csignal>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

#include "figures_table.h"
#include "timed_start.h"
#include "virtual_screen.h"

namespace {

using namespace mokopi::bench;
namespace fs = std::filesystem;

struct Options {
    int rounds = 17;
    int scale = 1;
    bool windowManager = false;
    std::string pictures;
    std::string appFolder;
};

Options parse(int argc, char* argv[])
{
    Options options;
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& a = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (a == "--rounds" && hasValue)
            options.rounds = std::max(1, std::stoi(arguments[++i]));
        else if (a == "--scale" && hasValue)
            options.scale = std::max(1, std::stoi(arguments[++i]));
        else if (a == "--window-manager")
            options.windowManager = true;
        else if (a == "--pictures" && hasValue)
            options.pictures = arguments[++i];
        else if (a.starts_with("-") || !options.appFolder.empty())
            throw std::invalid_argument("usage: startup_bench [--rounds N] [--scale F] [--window-manager] "
                                        "[--pictures DIR] APP_FOLDER");
        else
            options.appFolder = a;
    }
    if (options.appFolder.empty())
        throw std::invalid_argument("startup_bench needs the game's folder, e.g. build/app");
    return options;
}

// The work folder, for the signal handler; it holds a copy of the game and
// the caches of the runs, a hundred MiB or more.
char workFolderPath[4096];

// Ctrl+C or a kill removes the work folder too. The programs and X servers
// end with this process by themselves.
void removeWorkFolderAndEnd(int signal)
{
    if (workFolderPath[0] != '\0' && fork() == 0) {
        char rm[] = "/bin/rm", recursive[] = "-rf";
        char* arguments[] = {rm, recursive, workFolderPath, nullptr};
        char* noEnvironment[] = {nullptr};
        execve(rm, arguments, noEnvironment);
        _exit(127);
    }
    wait(nullptr);
    _exit(128 + signal);
}

// A folder of its own under /tmp, removed with this object or on a signal.
struct WorkFolder {
    fs::path path;
    WorkFolder()
    {
        std::string name = (fs::temp_directory_path() / "mokopi-startup-XXXXXX").string();
        if (name.size() >= sizeof workFolderPath || mkdtemp(name.data()) == nullptr)
            throw std::runtime_error("cannot make a folder under " + fs::temp_directory_path().string());
        path = name;
        std::copy(name.begin(), name.end() + 1, workFolderPath);
        for (int signal : {SIGINT, SIGTERM, SIGHUP})
            std::signal(signal, removeWorkFolderAndEnd);
    }
    // Where the copy of the game runs from.
    fs::path game() const { return path / "app"; }

    ~WorkFolder()
    {
        for (int signal : {SIGINT, SIGTERM, SIGHUP})
            std::signal(signal, SIG_DFL);
        fs::remove_all(path);
    }
};

// The save file and its lock, which a run killed at its end leaves behind.
bool isSaveFile(const fs::path& file) { return file.filename().string().starts_with("mokopi.dat"); }

// The game's files without its save and lock, so that a copy of the game
// that runs from the build tree meanwhile is not in the way.
void copyGame(const fs::path& from, const fs::path& to)
{
    fs::create_directories(to);
    for (const fs::directory_entry& entry : fs::directory_iterator(from))
        if (entry.is_regular_file() && !isSaveFile(entry.path()))
            fs::copy_file(entry.path(), to / entry.path().filename());
}

// Each game starts as a player's does: with no lock of an earlier run to
// look into, and no save.
void removeSaveFiles(const fs::path& gameFolder)
{
    for (const fs::directory_entry& entry : fs::directory_iterator(gameFolder))
        if (isSaveFile(entry.path()))
            fs::remove(entry.path());
}

struct Program {
    std::string name;
    std::vector<std::string> arguments;
    bool warmCache = false;
};

std::string loadAverage()
{
    std::ifstream file("/proc/loadavg");
    std::string one, five, fifteen;
    file >> one >> five >> fifteen;
    return one + " " + five + " " + fifteen;
}

std::size_t fileCount(const fs::path& folder)
{
    std::error_code error;
    std::size_t count = 0;
    for (fs::recursive_directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
        count += it->is_regular_file();
    return count;
}

// The end of what a program printed, to go with the reason it failed.
std::string lastLines(const fs::path& file)
{
    std::ifstream in(file);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    std::string text = lines.empty() ? "\n" : "; it printed:\n";
    for (std::size_t i = lines.size() > 5 ? lines.size() - 5 : 0; i < lines.size(); ++i)
        text += "    " + lines[i] + "\n";
    return text;
}

void savePicture(const Area& picture, const fs::path& file)
{
    std::ofstream out(file, std::ios::binary);
    out << "P6\n" << picture.width << ' ' << picture.height << "\n255\n";
    for (const std::uint32_t pixel : picture.pixels)
        out << static_cast<char>(pixel >> 16) << static_cast<char>(pixel >> 8) << static_cast<char>(pixel);
}

class Bench {
public:
    Bench(const Options& options, const WorkFolder& work, DamageWatch& screen, const std::string& display)
        : options_(options), work_(work), screen_(screen)
    {
        environment_ = {"DISPLAY=" + display, "QT_QPA_PLATFORM=xcb", "WAYLAND_DISPLAY",
                        "QT_SCALE_FACTOR=" + std::to_string(options.scale)};
    }

    // One run of program; failures are told on the spot and left out.
    void run(const Program& program, Figures& figures, const fs::path& cacheFolder)
    {
        const fs::path output = work_.path / "output.log";
        fs::remove(output);
        Launch launch{program.arguments, environment_, output.string()};
        launch.environment.push_back("XDG_CACHE_HOME=" + cacheFolder.string());
        removeSaveFiles(work_.game());
        const TimedStart start = timeStart(screen_, launch);
        if (!start.failure.empty()) {
            std::cerr << program.name << ": " << start.failure << lastLines(output);
            ++figures.failures;
            return;
        }
        figures.firstFrameMs.push_back(start.firstFrameMs);
        figures.residentMib.push_back(static_cast<double>(start.residentKib) / 1024);
        for (const std::string& library : start.lateLibrariesAtFirstFrame)
            ++figures.lateLibraryRuns[library];
        if (!options_.pictures.empty())
            savePicture(start.settledPicture, fs::path(options_.pictures) / (slug(program.name) + ".ppm"));
    }

    // A run with a cache folder of its own: empty, or a copy of the warm one.
    void runAlone(const Program& program, Figures& figures)
    {
        const fs::path cache = work_.path / ("cache-" + std::to_string(++runs_));
        fs::create_directories(cache);
        if (program.warmCache)
            fs::copy(warmCache(), cache, fs::copy_options::recursive | fs::copy_options::create_hard_links);
        run(program, figures, cache);
        fs::remove_all(cache);
    }

    fs::path warmCache() const { return work_.path / "warm-cache"; }

private:
    static std::string slug(std::string name)
    {
        for (char& c : name)
            if (!std::isalnum(static_cast<unsigned char>(c)))
                c = '-';
        return name;
    }

    const Options& options_;
    const WorkFolder& work_;
    DamageWatch& screen_;
    std::vector<std::string> environment_;
    int runs_ = 0;
};

}  // namespace

int main(int argc, char* argv[])
{
    try {
        const Options options = parse(argc, argv);
        const fs::path benchFolder = fs::canonical("/proc/self/exe").parent_path();
        const WorkFolder work;
        copyGame(options.appFolder, work.game());
        if (!options.pictures.empty())
            fs::create_directories(options.pictures);

        const int width = 1366 * options.scale, height = 768 * options.scale;
        const std::string loadBefore = loadAverage();
        const VirtualScreen display(width, height, options.windowManager, (work.path / "screen.log").string());
        DamageWatch screen(display.name());
        Bench bench(options, work, screen, display.name());

        const std::string game = (work.game() / "mokopi").string();
        const std::vector<Program> programs = {{"bare window", {(benchFolder / "startup_bare").string()}},
                                               {"yardstick", {(benchFolder / "startup_yardstick").string()}},
                                               {"game, warm cache", {game}, true},
                                               {"game, empty cache", {game}}};
        std::vector<Figures> figures(programs.size());

        // Unmeasured: the first run of each reads its libraries from disk,
        // and the game's fills the cache that the warm runs start from.
        Figures warmUp;
        fs::create_directories(bench.warmCache());
        for (const Program& program : programs)
            bench.run(program, warmUp, program.warmCache ? bench.warmCache() : work.path / "cache-warm-up");
        if (fileCount(bench.warmCache()) == 0)
            std::cerr << "the game left nothing in its cache: the warm runs start empty too\n";

        for (int round = 0; round < options.rounds; ++round)
            for (std::size_t i = 0; i < programs.size(); ++i)
                bench.runAlone(programs[i], figures[i]);

        std::printf("== screen %dx%d, QT_SCALE_FACTOR=%d, %s; %d rounds; load %s before, %s after\n", width, height,
                    options.scale, options.windowManager ? "openbox" : "no window manager", options.rounds,
                    loadBefore.c_str(), loadAverage().c_str());
        std::vector<std::string> names;
        for (const Program& program : programs)
            names.push_back(program.name);
        const bool complete = printTable(names, figures, 1);
        return complete ? 0 : 1;
    } catch (const std::exception& e) {
        std::cerr << e.what() << '\n';
        return 2;
    }
}
