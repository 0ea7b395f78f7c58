#include "game/GameControls.h"

#include "game/screens/Report.h"
#include "widgets/Button.h"

namespace game {

const GameControls::KeyBinding GameControls::kKeyBindings[] = {
    {core::kKeyEnterReleased, Where::Menu, Command::StartGame},
    {core::kKeyEscapeReleased, Where::Board, Command::ToggleLeaveDialog},
    {core::kKeyEnterReleased, Where::UnderLeaveDialog, Command::ReturnToMenu},
};

GameControls::GameControls(const app::InputReceiver& menu, const scene::Element& boardFrame,
                           const scene::Element& leaveDialog, widgets::Button& returnButton)
    : menu(menu), boardFrame(boardFrame), leaveDialog(leaveDialog), returnButton(returnButton) {}

bool GameControls::Applies(Where where) const {
    switch (where) {
    case Where::Menu:
        return menu.Shown();
    case Where::Board:
        return boardFrame.visible != 0;
    case Where::UnderLeaveDialog:
        return boardFrame.visible != 0 && leaveDialog.visible != 0;
    }
    return false;
}

bool GameControls::Handle(const core::Input& event) {
    for (const KeyBinding& binding : kKeyBindings) {
        if (binding.code == event.code && Applies(binding.where)) {
            Report(onCommand, binding.command);
            return true;
        }
    }
    HandleReturnButton(event);
    return false;
}

void GameControls::HandleReturnButton(const core::Input& event) {
    if (!returnButton.ShownInTree()) {
        return;
    }
    const int x = static_cast<int>(event.x);
    const int y = static_cast<int>(event.y);
    switch (event.code) {
    case core::kMouseLeftDown:
        if (leaveDialog.visible == 0 && returnButton.OnMouseDown(x, y)) {
            Report(onClick);
        }
        break;
    case core::kMouseLeftUp:
        if (returnButton.OnMouseUp(x, y)) {
            Report(onCommand, Command::ToggleLeaveDialog);
        }
        break;
    case core::kMouseMove:
        returnButton.OnMouseMove(x, y);
        break;
    default:
        break;
    }
}

} // namespace game
