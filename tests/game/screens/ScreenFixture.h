#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ImageFiles.h"
#include "QuietApplication.h"
#include "TempDir.h"
#include "audio/AudioOutput.h"
#include "audio/SoundManager.h"
#include "game/Play.h"
#include "game/PlayerSettings.h"
#include "game/ProgressStore.h"
#include "game/screens/BoardScreen.h"
#include "gfx/DisplayFixture.h"
#include "gfx/ImageCache.h"
#include "gfx/PixelKernels.h"
#include "platform/memory/HeadlessPlatform.h"
#include "platform/memory/MemoryAudioBackend.h"
#include "puzzle/Board.h"
#include "puzzle/LevelBuilder.h"
#include "puzzle/LevelFile.h"

using namespace core;
using namespace gfx;
using namespace scene;
using namespace app;
using namespace widgets;
using namespace audio;
using namespace puzzle;
using namespace game;

// A headless application with an 800 x 600 back buffer, players in memory and a game folder
// of its own, in which each test lays the images, levels and settings it wants before it
// makes the play and its screen.
class ScreenFixture : public DisplayFixture {
protected:
    // Solid colours that survive the 565 conversion unchanged.
    static constexpr std::uint32_t kDesk = 0x204060;
    static constexpr std::uint32_t kFrame = 0x00F800;
    static constexpr std::uint32_t kPassed = 0xF8F800;
    static constexpr std::uint32_t kNotPassed = 0x0000F8;
    static constexpr std::uint32_t kLine = 0xF80000;
    static constexpr std::uint32_t kSeal = 0xF88000;
    static constexpr std::uint32_t kAssisted = 0x00F8F8;
    // Each frame of the record digits in its own colour: frame f (digit f - 1, 11 the slash).
    static std::uint32_t RecordGlyphColour(int frame) {
        return static_cast<std::uint32_t>(frame * 8) << 16 | 0x00A0F8;
    }
    // Soldiers 19..31 share the portrait of number 1.
    static constexpr int kPortraits = 18;
    static std::uint32_t SpriteColour(int number) {
        return static_cast<std::uint32_t>(number > kPortraits ? 1 : number) << 19 | 0x4008;
    }
    static std::uint16_t Pixel(std::uint32_t colour) { return PixelKernels::ToRgb565(colour); }

    ScreenFixture() { sound = std::make_unique<SoundManager>(output, Dir().Path()); }
    ~ScreenFixture() override {
        screen.reset();
        play.reset();
        sound.reset();
    }

    const TempDir& Dir() const { return exe.Dir(); }
    ImageSource Images() const { return ImageSource{*display, exe.Folders().Game()}; }

    void WriteImage(const std::string& relative, int width, int height, std::uint32_t colour) {
        const auto count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
        Dir().Write(relative, EncodeBmp8(width, height, std::vector<std::uint32_t>(count, colour)));
    }

    // Every image of the board screen, with the buttons of levels first..last.
    void WriteImages(int firstLevel = 1, int lastLevel = 5) {
        WriteImage("Graphic/UI/desk.bmp", 800, 600, kDesk);
        for (int n = 1; n <= kPortraits; ++n) {
            Piece piece;
            piece.SetType(n);
            WriteImage(std::string("Graphic/UI/") + Piece::PortraitImage(n), piece.width,
                       piece.height, SpriteColour(n));
        }
        for (const Shape shape : {Shape::Across, Shape::Erect, Shape::Big, Shape::Small}) {
            const int width = Piece::ColumnsOf(shape) * 98;
            const int height = Piece::RowsOf(shape) * 94;
            Dir().Write(
                std::string("Graphic/Effects/") + Piece::FrameImage(shape),
                EncodePngRgba(width, height,
                              std::vector<std::uint32_t>(width * height, 0xFF000000 | kFrame)));
        }
        struct Image {
            const char* name;
            int width, height;
            std::uint32_t colour;
        };
        const Image images[] = {
            {"UI/sfx_zi.bmp", 80, 15, 0x080808},
            {"UI/guog.bmp", 304, 244, 0x101010},
            {"UI/jies.bmp", 357, 396, 0x181818},
            {"UI/pinput.bmp", 350, 230, 0x282828},
            {"UI/ytg.bmp", 48, 17, kPassed},
            {"UI/wtg.bmp", 48, 17, kNotPassed},
            {"UI/xian.bmp", 51, 1, kLine},
            {"Button/frameMoreGame.bmp", 650, 50, 0x303030},
            {"Button/dianwo.bmp", 650, 50, 0x303030},
            {"Button/tc.bmp", 650, 50, 0x303030},
            {"Button/xyg.bmp", 500, 38, 0x383838},
            {"Button/qx.bmp", 500, 38, 0x383838},
            {"Button/syy.bmp", 65, 10, 0x404040},
            {"Button/xyy.bmp", 65, 10, 0x404040},
            {"Button/zsyy.bmp", 85, 42, 0x484848},
            {"Button/zxyy.bmp", 85, 42, 0x484848},
            {"Button/i_rightbtn.bmp", 560, 39, 0x505050},
            {"Button/i_nobtn.bmp", 560, 39, 0x505050},
        };
        for (const Image& image : images) {
            WriteImage(std::string("Graphic/") + image.name, image.width, image.height,
                       image.colour);
        }
        WriteImage("Graphic/UI/jlyin.bmp", 15, 15, kSeal);
        WriteImage("Graphic/UI/tsg.bmp", 48, 17, kAssisted);
        WriteRecordDigits();
        for (int n = firstLevel; n <= lastLevel; ++n) {
            WriteImage("Graphic/Board/" + std::to_string(n) + ".bmp", 645, 30, 0x585858);
            WriteImage("Graphic/Board/s" + std::to_string(n) + ".bmp", 62, 17, 0x606060);
        }
    }

    // Eleven 5 x 9 frames, each filled with its RecordGlyphColour.
    void WriteRecordDigits() {
        constexpr int kFrames = 11, kGlyphWidth = 5, kHeight = 9;
        std::vector<std::uint32_t> pixels;
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < kFrames * kGlyphWidth; ++x) {
                pixels.push_back(RecordGlyphColour(x / kGlyphWidth + 1));
            }
        }
        Dir().Write("Graphic/UI/jlzi.bmp", EncodeBmp8(kFrames * kGlyphWidth, kHeight, pixels));
    }

    void WriteLevel(int n, const LevelFile::Grid& grid) const {
        Dir().Write("Board/" + std::to_string(n) + ".dat", LevelFile::Encode(grid));
    }

    // Level 1: the big piece one step above the goal, soldiers 19 over 20 in column 0 and the
    // upright 4 in column 3. Level 2: the big piece at the top and soldier 19 in the corner.
    void WriteLevels() const {
        WriteLevel(1, MakeGrid({{2, 1, 2}, {19, 0, 0}, {20, 0, 1}, {4, 3, 0}}));
        WriteLevel(2, MakeGrid({{2, 1, 0}, {19, 0, 4}}));
    }

    // The play and its screen, wired as the game wires them, built and showing `level`; with a
    // clock, moved pieces slide.
    void Start(int level = 1, const platform::Clock* clock = nullptr) {
        play = std::make_unique<Play>(exe.Folders());
        play->Restore();
        board = &play->GetBoard();
        screen = std::make_unique<BoardScreen>(exe.Folders(), *play, platform.opener,
                                               platform.Text(), platform.GetClock(), clock);
        screen->onClick = [this] { sound->PlayClick(); };
        screen->addCharListener = [this](app::CharListener* entry) { app.AddCharListener(entry); };
        screen->BuildBoardScreen(Images());
        screen->StartLevel(level);
    }

    void Send(std::uint32_t code, int x, int y) {
        Input event{code, static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(y)};
        screen->Offer(event);
    }
    void Press(int x, int y) { Send(kMouseLeftDown, x, y); }
    void Click(int x, int y) {
        Send(kMouseLeftDown, x, y);
        Send(kMouseLeftUp, x, y);
    }
    // A press on the centre of a board cell.
    void PressCell(int col, int row) { Press(14 + 98 * col + 49, 36 + 94 * row + 47); }

    int Clicks() const { return audio.Record(Dir().Path() + "Sound\\btn.wav").plays; }
    // The frames shown, by shape.
    std::vector<Shape> VisibleFrames() {
        std::vector<Shape> shown;
        for (const Shape shape : {Shape::Across, Shape::Erect, Shape::Big, Shape::Small}) {
            if (screen->View().SelectionFrame(shape).visible != 0) {
                shown.push_back(shape);
            }
        }
        return shown;
    }
    void Draw() {
        display->ClearBackBuffer(0);
        screen->Draw(*display);
    }

    TempGameFolder exe;
    const PlayerSettings settings{exe.Folders().SettingsFile()};
    platform::HeadlessPlatform platform;
    QuietApplication app{platform, exe.Folders(), settings};
    platform::MemoryAudioBackend audio;
    const AudioOutput output{&audio, nullptr};
    std::unique_ptr<SoundManager> sound;
    std::unique_ptr<Play> play;
    // The play's.
    const Board* board = nullptr;
    std::unique_ptr<BoardScreen> screen;
};
