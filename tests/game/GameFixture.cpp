#include "GameFixture.h"

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>

#include "AssetManifest.h"
#include "ImageFiles.h"
#include "SolutionClicks.h"
#include "game/ProgressStore.h"
#include "game/screens/LeaderboardFile.h"
#include "game/screens/SlideTime.h"
#include "gfx/PixelKernels.h"
#include "platform/FileSystem.h"
#include "platform/Settings.h"
#include "puzzle/Board.h"
#include "puzzle/ProgressFile.h"
#include "puzzle/Solver.h"

using namespace core;
using namespace gfx;
using namespace scene;
using namespace app;
using namespace widgets;
using namespace audio;
using namespace puzzle;
using namespace game;

namespace gametest {

namespace fs = std::filesystem;

platform::PresentStatus FrameRecorder::Present(const std::uint16_t* pixels, int width, int height,
                                               int pitch) {
    const platform::PresentStatus result = MemoryPresenter::Present(pixels, width, height, pitch);
    if (result == platform::PresentStatus::Shown) {
        frames.push_back(frame);
    }
    return result;
}

GameFixture::GameFixture() {
    WriteImages();
    CopyLevels();
    // Pieces jump to their cells unless a test turns slides on.
    WriteSettings(false);
    // The game's folders are found from the executable's path, as at a program start.
    platform.executablePath = folder.Path() + "tovak-marudo";
}

GameFixture::~GameFixture() {
    if (game) {
        // The way the program ends: the window closes before the game goes.
        if (Screen().Exists()) {
            game->PostEvent(Event::Of(EventKind::Close));
            game->DispatchMessages();
        }
        game.reset();
    }
}

namespace {

bool IsImage(const assetgen::AssetSpec& asset) {
    return asset.kind == assetgen::AssetKind::KeyedBmp ||
           asset.kind == assetgen::AssetKind::OpaqueBmp || asset.kind == assetgen::AssetKind::Png;
}

// The colour of each stand-in image: its own, surviving the RGB565 truncation unchanged, and
// neither black nor the colour key.
std::map<std::string, std::uint16_t, std::less<>> StandInColours() {
    std::map<std::string, std::uint16_t, std::less<>> colours;
    std::uint16_t next = 0x1041;
    for (const assetgen::AssetSpec& asset : assetgen::AssetManifest()) {
        if (IsImage(asset)) {
            colours.emplace(asset.path, next);
            next = static_cast<std::uint16_t>(next + 97);
        }
    }
    return colours;
}

std::string StandInBytes(const assetgen::AssetSpec& asset, std::uint16_t colour) {
    const std::uint32_t rgb = PixelKernels::ToRgb888(colour);
    const std::size_t count = static_cast<std::size_t>(asset.width) * asset.height;
    return asset.kind == assetgen::AssetKind::Png
               ? EncodePngRgba(asset.width, asset.height,
                               std::vector<std::uint32_t>(count, 0xFF000000 | rgb))
               : EncodeBmp8(asset.width, asset.height, std::vector<std::uint32_t>(count, rgb));
}

// The stand-in images are the same for every test, so they are encoded once per build into a
// folder beside the game folder, named after the manifest's contents, and copied from there.
// A process that loses the race to create it uses the winner's.
fs::path StandInFolder(const std::map<std::string, std::uint16_t, std::less<>>& colours) {
    std::size_t key = 1;
    for (const assetgen::AssetSpec& asset : assetgen::AssetManifest()) {
        key = key * 31 + std::hash<std::string>()(asset.path) + asset.width * 7 + asset.height +
              static_cast<std::size_t>(asset.kind);
    }
    const fs::path folder =
        fs::path(TM_DIST_DIR).parent_path() / ("test-stand-in-images-" + std::to_string(key));
    if (fs::exists(folder / "complete")) {
        return folder;
    }
    fs::path building = folder;
    building += "." + std::to_string(::getpid());
    for (const assetgen::AssetSpec& asset : assetgen::AssetManifest()) {
        if (IsImage(asset)) {
            fs::create_directories((building / asset.path).parent_path());
            std::ofstream(building / asset.path, std::ios::binary)
                << StandInBytes(asset, colours.at(asset.path));
        }
    }
    std::ofstream(building / "complete") << "ok";
    std::error_code error;
    fs::rename(building, folder, error);
    if (error) {
        fs::remove_all(building, error);
    }
    return folder;
}

} // namespace

void GameFixture::WriteImages() {
    colours = StandInColours();
    const fs::path source = StandInFolder(colours);
    for (const assetgen::AssetSpec& asset : assetgen::AssetManifest()) {
        if (!IsImage(asset)) {
            continue;
        }
        const fs::path target = folder.File(asset.path);
        std::error_code error;
        fs::create_directories(target.parent_path(), error);
        fs::copy_file(source / asset.path, target, fs::copy_options::overwrite_existing, error);
        if (error) {
            // No shared folder (read-only build tree): encode here.
            folder.Write(asset.path, StandInBytes(asset, colours.at(asset.path)));
        }
    }
}

void GameFixture::CopyLevels() const {
    fs::create_directories(folder.File("Board"));
    for (int level = 1; level <= kLevelCount; ++level) {
        const std::string name = "Board/" + std::to_string(level) + ".dat";
        std::error_code error;
        fs::copy_file(fs::path(TM_DIST_DIR) / name, folder.File(name), error);
        ASSERT_FALSE(error) << "no level file " << name << " in " << TM_DIST_DIR;
    }
}

void GameFixture::WriteSettings(bool slides) const {
    folder.Write("set.ini", std::string("[board]\nmaxboard=267\n"
                                        "[website]\nweb1=http://example.test/one\n"
                                        "web2=http://example.test/two\n"
                                        "[volume]\nsound=5\nmusic=7\n") +
                                (slides ? "" : "[set]\nanimate=0\n"));
}

void GameFixture::FinishSlide() {
    if (game->boardScreen.Sliding()) {
        ASSERT_NO_FATAL_FAILURE(Render());
        Advance(SlideTime::kDefaultMs);
        ASSERT_NO_FATAL_FAILURE(Render());
        ASSERT_FALSE(game->boardScreen.Sliding());
    }
}

void GameFixture::Launch() {
    context = std::make_unique<GameContext>(platform, audioBackend);
    ASSERT_EQ(context->Folders().Game(), folder.Path());
    game = std::make_unique<GameApplication>(*context);
    ASSERT_EQ(Init(), Application::InitResult::Run);
    ASSERT_TRUE(game->StartRunning());
}

Application::InitResult GameFixture::Init() {
    return game->Init("", 800, 600, context->Executable(), "1", "227",
                      context->Folders().GameFile("tpz.bmp"), "Software\\qelvo\\InstalledGame\\227",
                      "Tovak Marudo", 108, 102);
}

void GameFixture::Send(const Event& event) {
    game->PostEvent(event);
    game->DispatchMessages();
}

void GameFixture::Press(int x, int y) {
    Send(Event::Mouse(platform::MouseAction::LeftDown, x, y));
}

void GameFixture::Release(int x, int y) {
    Send(Event::Mouse(platform::MouseAction::LeftUp, x, y));
}

void GameFixture::MoveTo(int x, int y) {
    Send(Event::Mouse(platform::MouseAction::Move, x, y));
}

void GameFixture::Click(int x, int y) {
    Press(x, y);
    Release(x, y);
}

void GameFixture::Click(const Element& target) {
    Click(target.screenX + target.width / 2, target.screenY + target.height / 2);
}

void GameFixture::Drag(int fromX, int fromY, int toX, int toY) {
    Press(fromX, fromY);
    int x = fromX;
    int y = fromY;
    while (x != toX || y != toY) {
        x += std::clamp(toX - x, -10, 10);
        y += std::clamp(toY - y, -10, 10);
        MoveTo(x, y);
    }
    Release(x, y);
}

void GameFixture::Tap(platform::Key key) {
    platform.keys.OnKeyChange(key, true);
    platform.keys.OnKeyChange(key, false);
    Send(Event::Of(EventKind::PollKeyboard));
}

void GameFixture::PressKey(platform::Key key) {
    const std::map<platform::Key, std::uint8_t> typed = {
        {platform::Key::Enter, 13}, {platform::Key::Escape, 27}, {platform::Key::Backspace, 8}};
    if (const auto found = typed.find(key); found != typed.end()) {
        Send(Event::Char(found->second));
    }
    Tap(key);
}

void GameFixture::Type(std::string_view text) {
    for (const char c : text) {
        Send(Event::Char(static_cast<std::uint8_t>(c)));
    }
}

void GameFixture::Advance(std::uint32_t ms) {
    platform.clock.Advance(ms);
    platform.timers.Advance(ms);
    game->DispatchMessages();
}

void GameFixture::StartFromMenu() {
    ASSERT_EQ(game->screenState, GameApplication::kMainMenu);
    Click(game->Menu().startButton);
    ASSERT_EQ(game->screenState, GameApplication::kPlaying);
}

void GameFixture::PlayShortestSolution(std::size_t count) {
    const Board& board = game->GetBoard();
    const Solver::Result solution = Solver::Solve(board.grid);
    ASSERT_EQ(solution.status, Solver::Status::Solved);
    const std::vector<WindowPoint> presses = SolutionClicks::For(board.grid, solution.path);
    // Two presses a step: on the piece, then on the cell it moves into.
    count = std::min(count, solution.path.size());
    for (std::size_t i = 0; i < 2 * count; ++i) {
        Click(presses[i].x, presses[i].y);
    }
}

void GameFixture::ExpectSpritesMatchBoard() {
    const Board& board = game->GetBoard();
    for (int number = 1; number <= kMaxPieceNumber; ++number) {
        const Picture& sprite = game->boardScreen.View().Sprite(number);
        const auto cell = std::find(board.grid.begin(), board.grid.end(), number);
        if (cell == board.grid.end()) {
            EXPECT_FALSE(sprite.visible) << "piece " << number << " is not on the board";
            continue;
        }
        const int index = static_cast<int>(cell - board.grid.begin());
        EXPECT_TRUE(sprite.visible) << "piece " << number;
        EXPECT_EQ(sprite.screenX, 14 + 98 * (index / kRows)) << "piece " << number;
        EXPECT_EQ(sprite.screenY, 36 + 94 * (index % kRows)) << "piece " << number;
    }
}

void GameFixture::Render() {
    ASSERT_EQ(game->RenderFrame(), gfx::PresentResult::Ok);
}

std::uint16_t GameFixture::Pixel(int x, int y) const {
    return PixelOf(Screen().recorder.frame, x, y);
}

std::uint16_t GameFixture::PixelOf(const FrameRecorder::Frame& frame, int x, int y) {
    const std::size_t index = static_cast<std::size_t>(y) * kWidth + x;
    return index < frame.size() ? frame[index] : 0;
}

std::uint16_t GameFixture::ColourOf(std::string_view asset) const {
    const auto found = colours.find(asset);
    EXPECT_NE(found, colours.end()) << "no image " << asset << " in the manifest";
    return found != colours.end() ? found->second : 0;
}

std::string GameFixture::Track(std::string_view file) const {
    return folder.Path() + "Music\\" + std::string(file);
}

int GameFixture::BoardTracksPlaying() const {
    int playing = 0;
    for (const char* file : {"board1.mp3", "board2.mp3", "board3.mp3"}) {
        playing += audio.IsPlaying(Track(file)) ? 1 : 0;
    }
    return playing;
}

int GameFixture::BoardTrackPlays() const {
    int plays = 0;
    for (const char* file : {"board1.mp3", "board2.mp3", "board3.mp3"}) {
        plays += audio.Record(Track(file)).plays;
    }
    return plays;
}

std::string GameFixture::Setting(const char* section, const char* key) const {
    return platform::Settings::ReadString(folder.File("set.ini"), section, key, "absent");
}

void GameFixture::WriteProgress(const std::vector<std::int32_t>& levels) const {
    folder.Write("Rest.pa", ProgressFile::Encode(levels));
}

std::vector<std::int32_t> GameFixture::ReadProgress() const {
    std::vector<std::int32_t> levels;
    ProgressStore::Read(folder.File("Rest.pa"), [&levels](std::int32_t level) {
        levels.push_back(level);
        return true;
    });
    return levels;
}

void GameFixture::WriteResults(std::int32_t topScore, const char* name, std::int32_t others) const {
    LeaderboardFile::Table table = LeaderboardFile::DefaultTable();
    for (LeaderboardFile::Record& record : table) {
        record.score = others;
    }
    table[0].score = topScore;
    table[0].name = {};
    std::copy_n(name, std::min<std::size_t>(std::char_traits<char>::length(name), 14),
                table[0].name.begin());
    folder.Write("st.data", LeaderboardFile::Encode(table));
}

LevelFile::Grid GameFixture::LevelGrid(int level) const {
    LevelFile file;
    EXPECT_EQ(
        file.Read(
            platform::OpenFile(folder.File("Board/" + std::to_string(level) + ".dat"), "rb").get()),
        LevelFile::Status::Ok);
    return file.GetGrid();
}

} // namespace gametest
