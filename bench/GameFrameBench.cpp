// The real game on the in-memory platform, timed from inside: the loading of every screen at the
// first display set-up and at a rebuild (Alt+Enter's command), and RenderFrame on each screen a
// player sees. Frames are counted one by one, so the table gives the median and the 99th
// percentile. Works on a copy of the game folder, so nothing is written beside the real game.
//
//   game_frame_bench [--dist GAME_FOLDER] [--frames N] [--rebuilds N] [--only TEXT] [--tsv]
//
// --only times the frames of the screens whose name holds TEXT (the others are still passed
// through), for a profile of one screen.
// --tsv prints one line per figure: name, median ms, p99 ms (or the slowest for the rebuilds),
// target ms; bench/game-metrics reads it.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "SolutionClicks.h"
#include "game/GameApplication.h"
#include "game/GameContext.h"
#include "platform/Event.h"
#include "platform/memory/HeadlessPlatform.h"
#include "platform/memory/MemoryAudioBackend.h"
#include "puzzle/Board.h"
#include "puzzle/Solver.h"

using namespace core;
using namespace scene;
using namespace app;
using namespace widgets;
using namespace audio;
using namespace puzzle;
using namespace game;
using platform::Event;
using platform::MouseAction;

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

struct Options {
    fs::path dist = TM_DIST_DIR;
    int frames = 500;
    int rebuilds = 10;
    std::string only;
    bool tsv = false;
};

bool ParseOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--tsv") {
            options.tsv = true;
        } else if (arg == "--dist" && hasValue) {
            options.dist = argv[++i];
        } else if (arg == "--frames" && hasValue) {
            options.frames = std::max(1, std::atoi(argv[++i]));
        } else if (arg == "--only" && hasValue) {
            options.only = argv[++i];
        } else if (arg == "--rebuilds" && hasValue) {
            options.rebuilds = std::max(1, std::atoi(argv[++i]));
        } else {
            return false;
        }
    }
    return true;
}

double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Median and 99th percentile (nearest rank) of a set of timings.
struct Spread {
    double median = 0;
    double p99 = 0;
    double slowest = 0;
};

Spread SpreadOf(std::vector<double> samples) {
    Spread spread;
    if (samples.empty()) {
        return spread;
    }
    std::sort(samples.begin(), samples.end());
    const std::size_t n = samples.size();
    spread.median = n % 2 ? samples[n / 2] : (samples[n / 2 - 1] + samples[n / 2]) / 2;
    const std::size_t rank = (99 * n + 99) / 100; // ceil(0.99 n), at least 1
    spread.p99 = samples[std::min(n, rank) - 1];
    spread.slowest = samples.back();
    return spread;
}

// A temporary copy of the game folder with an empty configuration home beside it; removed at
// the end. The copy starts without progress or results, like a first start.
class ScratchFolder {
public:
    bool Create(const fs::path& dist) {
        std::string pattern = (fs::temp_directory_path() / "game-frame-bench-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) {
            return false;
        }
        root = pattern;
        std::error_code error;
        fs::copy(dist, Game(), fs::copy_options::recursive, error);
        fs::create_directories(root / "config", error);
        fs::remove(Game() / "Rest.pa", error);
        fs::remove(Game() / "st.data", error);
        return fs::exists(Game() / "Board" / "1.dat");
    }
    ~ScratchFolder() {
        std::error_code error;
        if (!root.empty()) {
            fs::remove_all(root, error);
        }
    }
    fs::path Game() const { return root / "game"; }
    fs::path Config() const { return root / "config"; }

private:
    fs::path root;
};

// The game made the way the program makes it, on the in-memory platform, and driven by window
// messages as a player's clicks arrive.
class BenchGame {
public:
    explicit BenchGame(const fs::path& gameFolder) {
        platform.executablePath = (gameFolder / "tovak-marudo").string();
        context = std::make_unique<GameContext>(platform, &audio);
        game = std::make_unique<GameApplication>(*context);
    }
    ~BenchGame() {
        if (platform.window.Exists()) {
            game->PostEvent(Event::Of(platform::EventKind::Close));
            game->DispatchMessages();
        }
        game.reset();
    }

    bool Init() {
        return game->Init("", 800, 600, context->Executable(), "1", "227",
                          context->Folders().GameFile("tpz.bmp"),
                          "Software\\qelvo\\InstalledGame\\227", "Tovak Marudo", 108,
                          102) == Application::InitResult::Run;
    }

    void Click(int x, int y) {
        Send(Event::Mouse(MouseAction::LeftDown, x, y));
        Send(Event::Mouse(MouseAction::LeftUp, x, y));
    }
    void Click(const Element& target) {
        Click(target.screenX + target.width / 2, target.screenY + target.height / 2);
    }

    // Plays the solver's shortest way for the board's position; false when there is none.
    bool SolveBoard() {
        const Board& board = game->GetBoard();
        const Solver::Result solution = Solver::Solve(board.grid);
        if (solution.status != Solver::Status::Solved) {
            return false;
        }
        for (const WindowPoint& point : SolutionClicks::For(board.grid, solution.path)) {
            Click(point.x, point.y);
        }
        return true;
    }

    // Moves the in-memory platform's animation clock on.
    void LetTimePass(std::uint32_t ms) { platform.clock.Advance(ms); }

    // Makes the first step of the solver's shortest way with two clicks; false when there is
    // none.
    bool FirstStep() {
        const Board& board = game->GetBoard();
        const Solver::Result solution = Solver::Solve(board.grid);
        if (solution.status != Solver::Status::Solved || solution.path.empty()) {
            return false;
        }
        const std::vector<WindowPoint> clicks = SolutionClicks::For(board.grid, solution.path);
        Click(clicks[0].x, clicks[0].y);
        Click(clicks[1].x, clicks[1].y);
        return true;
    }

    GameApplication& Game() { return *game; }

private:
    void Send(const Event& event) {
        game->PostEvent(event);
        game->DispatchMessages();
    }

    platform::HeadlessPlatform platform;
    platform::MemoryAudioBackend audio;
    std::unique_ptr<GameContext> context;
    std::unique_ptr<GameApplication> game;
};

struct Row {
    std::string name;
    Spread spread;
    double targetMs;
    bool slowestAsP99 = false;
};

// Times `frames` calls of RenderFrame after a short warm-up; empty when a frame fails.
std::vector<double> TimeFrames(GameApplication& game, int frames) {
    for (int i = 0; i < 20; ++i) {
        if (game.RenderFrame() != gfx::PresentResult::Ok) {
            return {};
        }
    }
    std::vector<double> samples;
    samples.reserve(static_cast<std::size_t>(frames));
    for (int i = 0; i < frames; ++i) {
        const Clock::time_point start = Clock::now();
        const gfx::PresentResult result = game.RenderFrame();
        samples.push_back(MillisecondsSince(start));
        if (result != gfx::PresentResult::Ok) {
            return {};
        }
    }
    return samples;
}

// A screen to time: how to get there from the previous one, and how to tell it is showing.
struct Screen {
    const char* name;
    std::function<void(BenchGame&)> reach;
    std::function<bool(GameApplication&)> shown;
};

std::vector<Screen> Screens() {
    return {
        {"RenderFrame: menu with leaderboard",
         [](BenchGame& b) { b.Click(b.Game().Menu().leaderboardButton); },
         [](GameApplication& g) {
             return g.Menu().frame.visible && g.Menu().leaderboardTable.visible;
         }},
        {"RenderFrame: settings dialog",
         [](BenchGame& b) { b.Click(b.Game().Menu().settingsButton); },
         [](GameApplication& g) { return g.Menu().settingsDialog.visible != 0; }},
        {"RenderFrame: board with a selection",
         [](BenchGame& b) {
             b.Click(b.Game().Menu().settingsDialog.CancelButton());
             b.Click(b.Game().Menu().startButton);
             const Piece& piece = b.Game().GetBoard().pieces[2];
             const WindowPoint cell = SolutionClicks::CellCentre(piece.col, piece.row);
             b.Click(cell.x, cell.y);
         },
         [](GameApplication& g) {
             return g.screenState == GameApplication::kPlaying && g.GetBoard().selected != 0;
         }},
        // Half-way through a slide; the clock stands still, so every frame timed moves the piece
        // and asks for the next one, as the frames of a slide do.
        {"RenderFrame: board with a sliding piece",
         [](BenchGame& b) {
             b.FirstStep();
             b.LetTimePass(45);
         },
         [](GameApplication& g) { return g.boardScreen.Sliding(); }},
        {"RenderFrame: leave dialog over the dim",
         [](BenchGame& b) { b.Click(b.Game().returnButton); },
         [](GameApplication& g) { return g.Leave().visible && g.boardScreen.Overlay().visible; }},
        {"RenderFrame: win panel",
         [](BenchGame& b) {
             b.Click(b.Game().Leave().noButton);
             b.SolveBoard();
             // The panel comes up when the winning piece has slid into place.
             b.LetTimePass(1000);
             b.Game().RenderFrame();
         },
         [](GameApplication& g) { return g.boardScreen.WinPanel().visible != 0; }},
        // The loading picture with its bar half grown over hidden screens, as the loading
        // sequence draws it.
        {"RenderFrame: loading",
         [](BenchGame& b) {
             GameApplication& g = b.Game();
             g.Menu().frame.SetVisibleAll(0);
             g.boardFrame.SetVisibleAll(0);
             g.loadingBar.SetSize(g.loadingBar.imageWidth / 2, g.loadingBar.height);
             g.loadingPicture.SetVisible(1);
         },
         [](GameApplication& g) { return g.loadingPicture.visible && !g.boardFrame.visible; }},
    };
}

// Times the first display set-up and the rebuilds; false when the game does not start.
bool TimeLoading(BenchGame& bench, int rebuilds, std::vector<Row>& rows) {
    const Clock::time_point start = Clock::now();
    if (!bench.Game().StartRunning()) {
        std::fprintf(stderr, "the display could not be set up\n");
        return false;
    }
    const double first = MillisecondsSince(start);
    rows.push_back({"LoadScreens: first display set-up", {first, first, first}, 150});

    // An even number of switches leaves the game in a window again.
    std::vector<double> samples;
    for (int i = 0; i < rebuilds * 2; ++i) {
        const Clock::time_point begin = Clock::now();
        bench.Game().SendEvent(Event::Command(platform::CommandId::ToggleFullScreen));
        samples.push_back(MillisecondsSince(begin));
    }
    rows.push_back({"LoadScreens: rebuild (Alt+Enter)", SpreadOf(samples), 150, true});
    return bench.Game().WantsWindow() && bench.Game().GetDisplay() != nullptr;
}

void PrintTable(const std::vector<Row>& rows, const Options& options) {
    if (options.tsv) {
        for (const Row& row : rows) {
            std::printf("%s\t%.3f\t%.3f\t%g\n", row.name.c_str(), row.spread.median,
                        row.slowestAsP99 ? row.spread.slowest : row.spread.p99, row.targetMs);
        }
        return;
    }
    std::printf("%d frames per screen; %d rebuilds (p99 column: the slowest)\n", options.frames,
                options.rebuilds * 2);
    std::printf("%-40s %10s %10s %10s\n", "figure", "median ms", "p99 ms", "target");
    for (const Row& row : rows) {
        const double p99 = row.slowestAsP99 ? row.spread.slowest : row.spread.p99;
        std::printf("%-40s %10.3f %10.3f %7s %g ms %s\n", row.name.c_str(), row.spread.median, p99,
                    "<", row.targetMs, row.spread.median < row.targetMs ? "ok" : "OVER");
    }
}

int Run(const Options& options) {
    ScratchFolder scratch;
    if (!scratch.Create(options.dist)) {
        std::fprintf(stderr, "no complete game folder at %s\n", options.dist.c_str());
        return 2;
    }
    setenv("XDG_CONFIG_HOME", scratch.Config().c_str(), 1);
    BenchGame bench(scratch.Game());
    std::vector<Row> rows;
    if (!bench.Init() || !TimeLoading(bench, options.rebuilds, rows)) {
        return 1;
    }
    for (const Screen& screen : Screens()) {
        screen.reach(bench);
        if (!screen.shown(bench.Game())) {
            std::fprintf(stderr, "could not reach the screen: %s\n", screen.name);
            return 1;
        }
        if (std::string_view(screen.name).find(options.only) == std::string_view::npos) {
            continue;
        }
        const std::vector<double> samples = TimeFrames(bench.Game(), options.frames);
        if (samples.empty()) {
            std::fprintf(stderr, "a frame failed on: %s\n", screen.name);
            return 1;
        }
        rows.push_back({screen.name, SpreadOf(samples), 1});
    }
    PrintTable(rows, options);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        std::fprintf(stderr,
                     "usage: %s [--dist GAME_FOLDER] [--frames N] [--rebuilds N] [--only TEXT] "
                     "[--tsv]\n",
                     argv[0]);
        return 2;
    }
    return Run(options);
}
