#pragma once

#include <string>

#include "game/PlacedImage.h"
#include "scene/Element.h"
#include "widgets/NumberDisplay.h"

namespace game {

struct WinReport;

// The two numbers of the win panel: the steps the player took and the fewest the level can be
// won in, in the wells of the panel's picture. An unknown fewest is left blank.
class WinTally {
public:
    // Appends both counters to the win panel.
    void AddTo(scene::Element& winPanel);
    void RemoveFrom(scene::Element& winPanel);
    void Load(const ImageSource& images);
    void Show(const WinReport& report);

    widgets::NumberDisplay steps;
    widgets::NumberDisplay fewest;
};

} // namespace game
