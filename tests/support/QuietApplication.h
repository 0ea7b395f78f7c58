#pragma once

#include <string>

#include "app/AppSettings.h"
#include "app/Application.h"

using namespace core;
using namespace scene;
using namespace app;

// An application that ignores everything the game would handle: for tests that need one to
// exist (message boxes, posted messages, timers) but not to react.
class QuietApplication : public Application {
public:
    using Application::Application;
    void OnDisplayReady() override {}
    void OnTimerEvent(std::string) override {}
    void OnDeactivate() override {}
};
