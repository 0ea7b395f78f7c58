#pragma once

#include <cstdint>
#include <functional>

#include "app/InputReceiver.h"

namespace scene {
class Element;
}
namespace widgets {
class Button;
}

namespace game {

// The game's own input, offered after every screen: one table of key bindings and the board's
// return button. It reports commands and switches no screen itself.
//
// Keys: Enter on the menu starts a game, Escape on the board opens or closes the leave dialog,
// Enter under the leave dialog goes back to the menu; the first binding that applies is the
// one. The return button's release opens or closes the leave dialog, even under it; only its
// press is the dialog's while it is open.
class GameControls : public app::InputReceiver {
public:
    enum class Command { StartGame, ToggleLeaveDialog, ReturnToMenu };

    // The menu, the board's frame and the leave dialog tell where a key applies; the return
    // button is the board's. All must outlive the controls.
    GameControls(const app::InputReceiver& menu, const scene::Element& boardFrame,
                 const scene::Element& leaveDialog, widgets::Button& returnButton);

    // True when a key binding applied.
    bool Handle(const core::Input& event) override;
    // On every screen: each binding says where it applies.
    bool Shown() const override { return true; }

    std::function<void(Command)> onCommand;
    // The return button took a press.
    std::function<void()> onClick;

private:
    enum class Where { Menu, Board, UnderLeaveDialog };
    struct KeyBinding {
        std::uint32_t code;
        Where where;
        Command command;
    };

    bool Applies(Where where) const;
    void HandleReturnButton(const core::Input& event);

    static const KeyBinding kKeyBindings[];

    const app::InputReceiver& menu;
    const scene::Element& boardFrame;
    const scene::Element& leaveDialog;
    widgets::Button& returnButton;
};

} // namespace game
