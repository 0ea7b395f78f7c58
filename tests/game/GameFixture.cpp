#include "GameFixture.h"

#include <algorithm>
#include <filesystem>

#include "AssetManifest.h"
#include "ImageFiles.h"
#include "SolutionClicks.h"
#include "platform/Settings.h"
#include "puzzle/Board.h"
#include "puzzle/ProgressFile.h"
#include "puzzle/Solver.h"
#include "services/LeaderboardFile.h"
#include "services/MediaPlayer.h"
#include "shell/PixelKernels.h"
#include "shell/ProcessState.h"

namespace gametest {

namespace fs = std::filesystem;

HRESULT FrameRecorder::Present(const std::uint16_t* pixels, int width, int height, int pitch) {
    const HRESULT result = MemoryPresenter::Present(pixels, width, height, pitch);
    if (result == S_OK) {
        frames.push_back(frame);
    }
    return result;
}

GameFixture::GameFixture()
    : savedExeDir(exeDir), savedExePath(exePath), savedIconPath(iconPath), savedWindowed(windowed),
      savedActive(active) {
    windowed = 1;
    active = 0;
    WriteImages();
    CopyLevels();
    folder.Write("set.ini", "[board]\nmaxboard=267\n"
                            "[website]\nweb1=http://example.test/one\n"
                            "web2=http://example.test/two\n"
                            "[volume]\nsound=5\nmusic=7\n");
    // The application takes its folder from the executable's path when it is made.
    platform.executablePath = folder.Path() + "tovak-marudo";
    MediaPlayer::SetBackend(&audio);
}

GameFixture::~GameFixture() {
    if (game) {
        // The way the program ends: the window closes before the game goes.
        if (Screen().Exists()) {
            game->PostMessage(WM_CLOSE, 0, 0);
            game->DispatchMessages();
        }
        game.reset();
    }
    MediaPlayer::SetBackend(nullptr);
    exeDir = savedExeDir;
    exePath = savedExePath;
    iconPath = savedIconPath;
    windowed = savedWindowed;
    active = savedActive;
}

// Flat images of the manifest's sizes, each in a colour of its own that survives the RGB565
// truncation unchanged and is neither black nor the colour key.
void GameFixture::WriteImages() {
    std::uint16_t next = 0x1041;
    for (const assetgen::AssetSpec& asset : assetgen::AssetManifest()) {
        const bool bmp = asset.kind == assetgen::AssetKind::KeyedBmp ||
                         asset.kind == assetgen::AssetKind::OpaqueBmp;
        if (!bmp && asset.kind != assetgen::AssetKind::Png) {
            continue;
        }
        const std::uint16_t colour = next;
        next = static_cast<std::uint16_t>(next + 97);
        colours.emplace(asset.path, colour);
        const std::uint32_t rgb = PixelKernels::ToRgb888(colour);
        const std::size_t count = static_cast<std::size_t>(asset.width) * asset.height;
        folder.Write(
            asset.path,
            bmp ? EncodeBmp8(asset.width, asset.height, std::vector<std::uint32_t>(count, rgb))
                : EncodePngRgba(asset.width, asset.height,
                                std::vector<std::uint32_t>(count, 0xFF000000 | rgb)));
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

void GameFixture::Launch() {
    game = std::make_unique<GameApplication>(platform);
    ASSERT_EQ(exeDir, folder.Path());
    iconPath = exeDir + "tpz.bmp";
    ASSERT_EQ(game->Init("", 800, 600, exePath, "1", "227", iconPath,
                         "Software\\qelvo\\InstalledGame\\227", "Tovak Marudo", 108, 102),
              1);
    ASSERT_TRUE(game->StartRunning());
    platform.keys.Acquire();
}

void GameFixture::Send(UINT message, WPARAM wParam, LPARAM lParam) {
    game->PostMessage(message, wParam, lParam);
    game->DispatchMessages();
}

void GameFixture::Press(int x, int y) {
    Send(WM_LBUTTONDOWN, 0, MakeLParam(x, y));
}

void GameFixture::Release(int x, int y) {
    Send(WM_LBUTTONUP, 0, MakeLParam(x, y));
}

void GameFixture::MoveTo(int x, int y) {
    Send(WM_MOUSEMOVE, 0, MakeLParam(x, y));
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

void GameFixture::Tap(std::uint32_t dik) {
    platform.keys.OnKeyChange(dik, true);
    platform.keys.OnKeyChange(dik, false);
    Send(WM_TIMER);
}

void GameFixture::Type(std::string_view text) {
    for (const char c : text) {
        Send(WM_CHAR, static_cast<unsigned char>(c));
    }
}

void GameFixture::Advance(std::uint32_t ms) {
    platform.timers.Advance(ms);
    game->DispatchMessages();
}

void GameFixture::StartFromMenu() {
    ASSERT_EQ(game->screenState, GameApplication::kMainMenu);
    Click(game->startButton);
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
        const Picture& sprite = game->boardScreen.Sprite(number);
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
    ASSERT_EQ(game->RenderFrame(), S_OK);
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
    return Settings::ReadString(folder.File("set.ini"), section, key, "absent");
}

void GameFixture::WriteProgress(const std::vector<std::int32_t>& levels) const {
    folder.Write("Rest.pa", ProgressFile::Encode(levels));
}

std::vector<std::int32_t> GameFixture::ReadProgress() const {
    std::vector<std::int32_t> levels;
    ProgressFile::Read(folder.File("Rest.pa"), [&levels](std::int32_t level) {
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
    EXPECT_EQ(file.Read(folder.File("Board/" + std::to_string(level) + ".dat")),
              LevelFile::Status::Ok);
    return file.GetGrid();
}

} // namespace gametest
