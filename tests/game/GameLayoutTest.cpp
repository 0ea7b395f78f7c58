// The game shows the layout's images and no others, each at its place and size. Every stand-in
// image of the fixture has its own flat colour, so a loaded bitmap tells which file it came from;
// the layout's PNG files all differ in size, which tells them apart.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "GameFixture.h"
#include "game/Layout.h"
#include "gfx/PngImage.h"
#include "gfx/Surface.h"
#include "widgets/WindowFrame.h"

using namespace scene;
using namespace widgets;
using namespace game;

namespace gametest {
namespace {

bool IsPng(const std::string& file) {
    return file.size() > 4 && file.compare(file.size() - 4, 4, ".png") == 0;
}

// Images the game moves after loading them: pieces and frames onto cells, the marks, the line
// and the records onto rows, the digits along the counter.
bool MovedAfterLoading(const ImagePlace& place) {
    if (place.area == Area::BoardGrid) {
        return true;
    }
    for (const Image moved :
         {Image::PassedMark, Image::NotPassedMark, Image::RowLine, Image::StepDigits,
          Image::RecordDigits, Image::RecordSeal, Image::AssistedMark}) {
        if (place.file == Layout::Of(moved).file) {
            return true;
        }
    }
    return false;
}

class GameLayoutTest : public GameFixture {
protected:
    // Every picture of the game: the scene tree, the frames' overlays and title-bar parts, and
    // the level list's marks and records, which are drawn outside the tree.
    std::vector<const Picture*> Pictures() {
        std::vector<const Picture*> found;
        Collect(Game(), found);
        const LevelSelect& list = Game().boardScreen.LevelList();
        for (const Picture* mark :
             {&list.PassedMark(), &list.NotPassedMark(), &list.RowLine(), &list.Records().Digits(),
              &list.Records().Seal(), &list.Records().AssistedMark()}) {
            found.push_back(mark);
        }
        return found;
    }

    // The layout file a loaded picture shows, or "" when it shows none of them.
    std::string FileOf(const Picture& picture) {
        if (picture.surface && picture.surface->IsCompact()) {
            picture.surface->Expand(); // a level page not shown: its pixels, to look at
        }
        if (picture.surface && picture.surface->Pixels() != nullptr) {
            const std::uint16_t colour = picture.surface->Pixels()[0];
            for (const ImagePlace& place : Layout::AllImages()) {
                if (!IsPng(place.file) && ColourOf(place.file) == colour) {
                    return place.file;
                }
            }
        }
        if (picture.pngImage && !picture.pngImage->IsEmpty()) {
            for (const ImagePlace& place : Layout::AllImages()) {
                if (IsPng(place.file) && place.width == picture.pngImage->Width() &&
                    place.height == picture.pngImage->Height()) {
                    return place.file;
                }
            }
        }
        return "";
    }

    // Every place the layout gives a file.
    static std::multimap<std::string, ImagePlace> Places() {
        std::multimap<std::string, ImagePlace> places;
        // Every image of the enumeration, which ends with LeaveNoButton.
        for (int image = 0; image <= static_cast<int>(Image::LeaveNoButton); ++image) {
            const ImagePlace& place = Layout::Of(static_cast<Image>(image));
            places.emplace(place.file, place);
        }
        for (int level = 1; level <= puzzle::kLevelCount; ++level) {
            places.emplace(Layout::LevelButton(level).file, Layout::LevelButton(level));
            places.emplace(Layout::LevelName(level).file, Layout::LevelName(level));
        }
        for (const ImagePlace& place : Layout::AllImages()) {
            if (place.area == Area::BoardGrid) {
                places.emplace(place.file, place);
            }
        }
        return places;
    }

private:
    static void Collect(const scene::Element& element, std::vector<const Picture*>& found) {
        if (const auto* picture = dynamic_cast<const Picture*>(&element)) {
            found.push_back(picture);
        }
        for (const scene::Element* child : element.Children()) {
            Collect(*child, found);
        }
        const auto* frame = dynamic_cast<const WindowFrame*>(&element);
        if (frame == nullptr) {
            return;
        }
        for (const scene::Element* overlay : frame->Overlays()) {
            Collect(*overlay, found);
        }
        const Picture* parts[] = {frame->titleBar.get(),       frame->icon.get(),
                                  frame->minimizeButton.get(), frame->commandButton.get(),
                                  frame->closeButton.get(),    frame->background.get()};
        for (const Picture* part : parts) {
            if (part != nullptr) {
                found.push_back(part);
            }
        }
    }
};

TEST_F(GameLayoutTest, EveryPictureShowsALayoutImageAtOneOfItsPlaces) {
    ASSERT_NO_FATAL_FAILURE(Launch());
    const std::multimap<std::string, ImagePlace> places = Places();
    int checked = 0;
    for (const Picture* picture : Pictures()) {
        if (picture->frameCount == 0) {
            continue; // a plain picture with nothing loaded, like a text table's cells
        }
        const std::string file = FileOf(*picture);
        ASSERT_FALSE(file.empty()) << "a picture at (" << picture->screenX << ", "
                                   << picture->screenY << ") shows no image of the layout";
        bool matched = false;
        const auto [first, last] = places.equal_range(file);
        for (auto it = first; it != last && !matched; ++it) {
            const ImagePlace& place = it->second;
            const ScreenPoint at = Layout::OnScreen(place);
            const bool placed =
                MovedAfterLoading(place) || (picture->screenX == at.x && picture->screenY == at.y);
            matched = placed && picture->imageWidth == place.width &&
                      picture->imageHeight == place.height && picture->frameCount == place.frames;
        }
        EXPECT_TRUE(matched) << file << " at (" << picture->screenX << ", " << picture->screenY
                             << "), " << picture->imageWidth << " x " << picture->imageHeight
                             << " in " << picture->frameCount << " frames";
        ++checked;
    }
    EXPECT_GT(checked, 2 * puzzle::kLevelCount);
}

TEST_F(GameLayoutTest, EveryLayoutImageIsLoaded) {
    ASSERT_NO_FATAL_FAILURE(Launch());
    std::set<std::string> loaded;
    for (const Picture* picture : Pictures()) {
        loaded.insert(FileOf(*picture));
    }
    for (const ImagePlace& place : Layout::AllImages()) {
        EXPECT_EQ(loaded.count(place.file), 1u) << place.file << " is never shown";
    }
}

TEST(Layout, AreasAddUpToScreenPlaces) {
    // Board pixel (0, 0) lies at (14, 36); the level names start at (452, 368).
    EXPECT_EQ(Layout::Origin(Area::BoardGrid).x, 14);
    EXPECT_EQ(Layout::Origin(Area::BoardGrid).y, 36);
    EXPECT_EQ(Layout::OnScreen(Layout::LevelName(1)).x, 452);
    EXPECT_EQ(Layout::OnScreen(Layout::LevelName(6)).y, 368);
    EXPECT_EQ(Layout::OnScreen(Layout::LevelName(10)).y, 368 + 4 * Layout::kListRowSpacing);
    EXPECT_EQ(Layout::OnScreen(Layout::Of(Image::LeaveYesButton)).x, 248 + 30);
    for (const ImagePlace& place : Layout::AllImages()) {
        EXPECT_EQ(place.file.find('\\'), std::string::npos) << place.file;
        EXPECT_EQ(place.width % place.frames, 0) << place.file << ": frames of equal width";
    }
}

} // namespace
} // namespace gametest
