#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "TempDir.h"
#include "game/GameApplication.h"
#include "game/GameContext.h"
#include "platform/Event.h"
#include "platform/memory/HeadlessPlatform.h"
#include "platform/memory/MemoryAudioBackend.h"
#include "puzzle/LevelFile.h"

using namespace core;
using namespace scene;
using namespace app;
using namespace widgets;
using namespace puzzle;
using namespace game;

namespace gametest {

using platform::CommandId;
using platform::Event;
using platform::EventKind;

// A presenter that keeps a copy of every frame it shows, so frames drawn while loading can be
// looked at after later ones replaced them.
class FrameRecorder : public platform::MemoryPresenter {
public:
    using Frame = std::vector<std::uint16_t>;

    platform::PresentStatus Present(const std::uint16_t* pixels, int width, int height,
                                    int pitch) override;

    std::vector<Frame> frames;
};

// The in-memory window with a recording presenter.
class RecordingWindow : public platform::HeadlessWindow {
public:
    using HeadlessWindow::HeadlessWindow;
    platform::Presenter& GetPresenter() override { return recorder; }

    FrameRecorder recorder;
};

// The in-memory platform whose window records frames.
class RecordingPlatform : public platform::HeadlessPlatform {
public:
    RecordingPlatform() : screen(Queue()) {}
    platform::Window& GetWindow() override { return screen; }

    RecordingWindow screen;
};

// The whole game on the in-memory platform: a game folder with a flat stand-in for every image
// (each in its own colour), the real level files, players in memory and a manual clock. A test
// writes the files the game reads at start (set.ini, Rest.pa, st.data), calls Launch, and then
// drives the game with window messages.
class GameFixture : public ::testing::Test {
protected:
    static constexpr int kWidth = 800;

    GameFixture();
    ~GameFixture() override;

    // The test's set.ini: the game's usual settings, with pieces sliding into their cells as
    // they do by default, or jumping there at once.
    void WriteSettings(bool slides) const;
    // Lets a sliding piece arrive in the frames of its slide time.
    void FinishSlide();

    // Makes the game, runs Init with the program's values and what Run does before its loop;
    // the first display set-up loads the screens. Call it through ASSERT_NO_FATAL_FAILURE.
    void Launch();
    // Init with the program's values.
    app::Application::InitResult Init();

    // Input, each handled at once.
    void Send(const Event& event);
    void Press(int x, int y);
    void Release(int x, int y);
    void MoveTo(int x, int y);
    void Click(int x, int y);
    // A click in the middle of an element's screen rectangle.
    void Click(const Element& target);
    // Drags from one point to another in steps of at most 10 pixels, as a hand would.
    void Drag(int fromX, int fromY, int toX, int toY);
    // Presses and releases a key; the keyboard is read at the next window timer tick.
    void Tap(platform::Key key);
    // A key as the desktop window delivers it: the character it types first (Enter 13, Escape
    // 27, Backspace 8), then its press and release.
    void PressKey(platform::Key key);
    void Type(std::string_view text);
    // Moves the manual clocks on and handles the timer firings.
    void Advance(std::uint32_t ms);

    // The main menu to the board with the start button.
    void StartFromMenu();
    // Plays the first `count` steps of the solver's shortest way for the current position
    // (all of them by default): for each step a click on the piece and a click on the cell it
    // moves to.
    void PlayShortestSolution(std::size_t count = SIZE_MAX);

    // Every piece on the board's grid has its sprite shown on its cells, and no other sprite
    // is shown.
    void ExpectSpritesMatchBoard();

    // Frames.
    const std::vector<FrameRecorder::Frame>& Frames() const { return Screen().recorder.frames; }
    void Render();
    std::uint16_t Pixel(int x, int y) const;
    static std::uint16_t PixelOf(const FrameRecorder::Frame& frame, int x, int y);
    // The RGB565 colour the stand-in image at `asset` (a game-folder path with '/') shows.
    std::uint16_t ColourOf(std::string_view asset) const;
    // The screen centre of board cell (col, row).
    static int CellX(int col) { return 14 + 98 * col + 49; }
    static int CellY(int row) { return 36 + 94 * row + 47; }

    // Music, under the path form the players open.
    std::string Track(std::string_view file) const;
    int BoardTracksPlaying() const;
    int BoardTrackPlays() const;

    // Game-folder files.
    std::string Setting(const char* section, const char* key) const;
    void WriteProgress(const std::vector<std::int32_t>& levels) const;
    std::vector<std::int32_t> ReadProgress() const;
    // A results table whose records all hold `score`, with `name` on top.
    void WriteResults(std::int32_t topScore, const char* name, std::int32_t others) const;
    LevelFile::Grid LevelGrid(int level) const;

    RecordingWindow& Screen() { return platform.screen; }
    const RecordingWindow& Screen() const { return platform.screen; }
    GameApplication& Game() { return *game; }

    TempDir folder;
    RecordingPlatform platform;
    platform::MemoryAudioBackend audio;
    // The backend the next Launch gives the game; none makes no players.
    platform::AudioBackend* audioBackend = &audio;
    // Made at every Launch, as at a program start.
    std::unique_ptr<GameContext> context;
    std::unique_ptr<GameApplication> game;

private:
    void WriteImages();
    void CopyLevels() const;

    std::map<std::string, std::uint16_t, std::less<>> colours;
};

} // namespace gametest
