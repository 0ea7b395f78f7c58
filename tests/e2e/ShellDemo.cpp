// A small program on the application shell for end-to-end tests: it opens the window, shows
// one picture and prints every input event it receives, one line each, so a test can drive it
// with real clicks and key presses and compare.
#include <cstdio>
#include <string>
#include <vector>

#include "ImageFiles.h"
#include "app/AppSettings.h"
#include "app/Application.h"
#include "app/InputReceiver.h"
#include "core/GameFolders.h"
#include "platform/FileSystem.h"
#include "platform/sdl/SdlPlatform.h"
#include "scene/Picture.h"

using namespace core;
using namespace scene;
using namespace app;

namespace {

// Prints every input but the pointer's moves.
class InputPrinter : public InputReceiver {
public:
    bool Handle(const Input& event) override {
        if (event.code != kMouseMove) {
            std::printf("input %x %u %u\n", event.code, event.x, event.y);
            std::fflush(stdout);
        }
        return false;
    }
    bool Shown() const override { return true; }
};

class ShellDemo : public Application {
public:
    ShellDemo(platform::Platform& platform, const GameFolders& folders, const AppSettings& settings)
        : Application(platform, folders, settings), folders(folders) {
        SetSize(800, 600);
        AddChild(&picture);
        SetInputOrder({{&printer}});
    }
    ~ShellDemo() override { RemoveChild(&picture); }

    void OnDisplayReady() override {
        picture.LoadImage(*GetDisplay(), folders.GameFile("demo.bmp"), 100, 50, 64, 48, 1);
        std::printf("ready %s\n", WantsWindow() ? "window" : "fullscreen");
        std::fflush(stdout);
    }
    void OnTimerEvent(std::string name) override {
        std::printf("timer %s\n", name.c_str());
        std::fflush(stdout);
    }
    void OnDeactivate() override {}

private:
    const GameFolders& folders;
    Picture picture;
    InputPrinter printer;
};

// A 64 x 48 picture: green with a magenta (transparent) top-left quarter.
void WritePicture(const std::string& path) {
    std::vector<std::uint32_t> pixels(64 * 48, 0x00C000);
    for (int y = 0; y < 24; ++y) {
        for (int x = 0; x < 32; ++x) {
            pixels[y * 64 + x] = 0xFF00FF;
        }
    }
    platform::WriteFileAtomically(path, EncodeBmp8(64, 48, pixels));
}

} // namespace

int main(int argc, char** argv) {
    platform::SdlPlatform platform;
    // A folder named on the command line is both the game's and the player's.
    const std::string folder =
        argc > 1 ? std::string(argv[1]) + "/" : GameFolders::DirectoryOf(platform.ExecutablePath());
    const GameFolders folders(folder, folder);
    const AppSettings settings(folders.SettingsFile());
    ShellDemo demo(platform, folders, settings);
    WritePicture(folders.GameFile("demo.bmp"));
    if (demo.Init("", 800, 600, platform.ExecutablePath(), "1", "227", folders.GameFile("tpz.bmp"),
                  "Software\\qelvo\\InstalledGame\\227-test", "Tovak Marudo Shell Test", 108,
                  102) != Application::InitResult::Run) {
        return 1;
    }
    demo.AddTimer(500, "half-second", 2);
    return demo.Run();
}
