#include "game/PlacedImage.h"

#include "game/GamePath.h"
#include "scene/Picture.h"
#include "widgets/Button.h"

namespace game {

int LoadPlaced(scene::Picture& picture, const ImagePlace& place) {
    return picture.LoadImage(GamePath(place.file), place.x, place.y, place.width, place.height,
                             place.frames);
}

int LoadPlaced(widgets::Button& button, const ImagePlace& place) {
    return button.Load(GamePath(place.file), place.x, place.y, place.width, place.height);
}

} // namespace game
