#include "game/PlacedImage.h"

#include "scene/Picture.h"
#include "widgets/Button.h"

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

} // namespace game
