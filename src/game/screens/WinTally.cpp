#include "game/screens/WinTally.h"

#include "game/PlacedImage.h"
#include "game/screens/WinReport.h"

namespace game {

void WinTally::AddTo(scene::Element& winPanel) {
    winPanel.AddChild(&steps);
    winPanel.AddChild(&fewest);
}

void WinTally::RemoveFrom(scene::Element& winPanel) {
    winPanel.RemoveChild(&steps);
    winPanel.RemoveChild(&fewest);
}

void WinTally::Load(const ImageSource& images) {
    LoadPlaced(steps, Area::WinSteps, images);
    LoadPlaced(fewest, Area::WinFewest, images);
}

void WinTally::Show(const WinReport& report) {
    steps.SetValue(report.steps);
    fewest.SetVisible(report.fewest >= 0 ? 1 : 0);
    fewest.SetValue(report.fewest);
}

} // namespace game
