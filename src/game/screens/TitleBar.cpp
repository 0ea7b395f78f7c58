#include "game/screens/TitleBar.h"

#include <string>

#include "game/Layout.h"
#include "game/PlacedImage.h"
#include "widgets/WindowFrame.h"

namespace game {

void LoadTitleBar(widgets::WindowFrame& frame, const ImageSource& images) {
    using Setter = void (widgets::WindowFrame::*)(gfx::Display&, const std::string&, int, int);
    const auto load = [&frame, &images](Setter set, Image image) {
        const ImagePlace& place = Layout::Of(image);
        (frame.*set)(images.display, GamePath(images.gameFolder, place.file), place.width,
                     place.height);
    };
    load(&widgets::WindowFrame::SetCommandButton, Image::FullScreenButton);
    load(&widgets::WindowFrame::SetIcon, Image::TitleIcon);
    load(&widgets::WindowFrame::SetMinimizeButton, Image::MinimizeButton);
    load(&widgets::WindowFrame::SetCloseButton, Image::CloseButton);
    load(&widgets::WindowFrame::SetTitleBar, Image::TitleBar);
}

} // namespace game
