#include "game/PlacedImage.h"

#include "scene/Picture.h"
#include "widgets/Button.h"
#include "widgets/NumberDisplay.h"

namespace game {

std::string GamePath(const std::string& gameFolder, const std::string& relative) {
    return gameFolder + relative;
}

int LoadPlaced(scene::Picture& picture, const ImagePlace& place, const ImageSource& images) {
    return picture.LoadImage(images.display, GamePath(images.gameFolder, place.file), place.x,
                             place.y, place.width, place.height, place.frames);
}

int LoadPlaced(widgets::Button& button, const ImagePlace& place, const ImageSource& images) {
    return button.Load(images.display, GamePath(images.gameFolder, place.file), place.x, place.y,
                       place.width, place.height);
}

int LoadPlaced(widgets::NumberDisplay& counter, Area area, const ImageSource& images) {
    constexpr int kMinDigits = 4;
    const AreaPlace& place = Layout::Of(area);
    counter.SetPosition(place.x, place.y);
    counter.SetSize(place.width, place.height);
    const ImagePlace& digits = Layout::Of(Image::StepDigits);
    return counter.Load(images.display, GamePath(images.gameFolder, digits.file), digits.x,
                        digits.y, digits.width, digits.height, kMinDigits);
}

} // namespace game
