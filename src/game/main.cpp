// The game's entry: one GameApplication on the desktop, its exit code the program's.
#include "game/GameApplication.h"
#include "platform/Event.h"
#include "platform/ProcessMemory.h"
#include "platform/sdl/SdlMixerAudioBackend.h"
#include "platform/sdl/SdlPlatform.h"

using namespace core;
using namespace scene;
using namespace app;
using namespace widgets;
using namespace audio;
using namespace puzzle;
using namespace game;

int main(int argc, char** argv) {
    platform::ReleaseLargeBlocksOnFree();
    std::string commandLine;
    for (int i = 1; i < argc; ++i) {
        commandLine += (i > 1 ? " " : "") + std::string(argv[i]);
    }

    platform::SdlPlatform platform;
    // The end of a track is noticed on the audio thread and handled on the main thread.
    platform::SdlMixerAudioBackend audio([&platform] {
        platform.Queue().Post(platform::Event::Of(platform::EventKind::PlaybackEnded));
    });

    // Where the game's files are is settled once, here; everything else is handed it.
    const GameContext context(platform, &audio);
    int exitCode = 0;
    {
        GameApplication game(context);
        switch (game.Init(commandLine, 800, 600, context.Executable(), "1", "227",
                          context.Folders().GameFile("tpz.bmp"),
                          "Software\\qelvo\\InstalledGame\\227", "Tovak Marudo", 108, 102)) {
        case Application::InitResult::Run:
            exitCode = game.Run();
            break;
        case Application::InitResult::Done:
            break;
        case Application::InitResult::Failed:
            // The reason was printed where the start failed.
            exitCode = Application::kExitFailure;
            break;
        }
    }
    return exitCode;
}
