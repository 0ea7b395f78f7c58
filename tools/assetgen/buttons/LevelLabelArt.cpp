#include "buttons/LevelLabelArt.h"

#include "Text.h"
#include "Theme.h"
#include "buttons/ButtonArtLabel.h"
#include "buttons/ButtonArtPlate.h"
#include "buttons/ButtonStrip.h"
#include "game/Layout.h"
#include "pieces/PieceArtShapes.h"

using namespace puzzle;

namespace assetgen {
namespace {

TextStyle NameStyle() {
    TextStyle style;
    style.family = kCalligraphy;
    style.sizePx = 14;
    style.colour = theme::kInk;
    return style;
}

} // namespace

LevelLabelArt::LevelLabelArt()
    : buttonFace(kButtonWidth, kButtonHeight), emptyTag(kTagWidth, kTagHeight) {
    const ArtRect face{0, 0, kButtonWidth, kButtonHeight};
    ButtonArtPlate::Paint(buttonFace.Cr(), ButtonStyle::Lacquer, face, 5, 1.5, 0x1E7E1u);

    // A paper slip with a darker edge: dark ink reads on it whatever lies around the list.
    cairo_t* cr = emptyTag.Cr();
    const ArtRect tag{0, 0, kTagWidth, kTagHeight};
    PieceArtShapes::FillCrisp(cr, tag, 2, theme::kParchmentDark.Shade(-0.35));
    PieceArtShapes::FillVertical(cr, tag.Inset(1), 1, theme::kParchmentLight, theme::kParchment);
}

void LevelLabelArt::Paint(ImageSet& images, const Levels& levels) const {
    const std::vector<std::string> names = NamesByNumber(levels);
    for (int n = 1; n <= kLevelCount; ++n) {
        if (Canvas* strip = images.Add(game::Layout::LevelButton(n).file)) {
            PaintButton(*strip, n);
        }
        if (Canvas* tag = images.Add(game::Layout::LevelName(n).file)) {
            PaintTag(*tag, names[static_cast<std::size_t>(n)]);
        }
    }
}

double LevelLabelArt::NameSize(const std::string& name) const {
    return ButtonArtLabel::Fit(emptyTag.Cr(), NameStyle(), name, kTagWidth - 4, kMinimumNameSize)
        .sizePx;
}

void LevelLabelArt::PaintButton(Canvas& strip, int level) const {
    const std::string title = "第" + std::to_string(level) + "关";
    const std::string english = "Level " + std::to_string(level);
    PaintButtonStrip(strip, [&](cairo_t* cr, int width, int height) {
        cairo_set_source_surface(cr, buttonFace.Surface(), 0, 0);
        cairo_paint(cr);
        TextStyle main;
        main.family = kCalligraphy;
        main.sizePx = 18;
        main.colour = ButtonArtPlate::LabelColour(ButtonStyle::Lacquer);
        main.outline = 1.2;
        main.outlineColour = theme::kInk.WithAlpha(0.85);
        TextStyle small;
        small.family = kPlain;
        small.sizePx = 10;
        small.colour = ButtonArtPlate::SubLabelColour(ButtonStyle::Lacquer);
        // The two words side by side, centred together.
        constexpr double kGap = 7;
        const double room = width - 12.0;
        main = ButtonArtLabel::Fit(cr, main, title, room * 0.6, kMinimumTitleSize);
        const double titleWidth = MeasureText(cr, main, title).width;
        const double englishWidth = MeasureText(cr, small, english).width;
        const double left = (width - titleWidth - kGap - englishWidth) / 2;
        ButtonArtLabel::DrawAt(cr, main, title, left + titleWidth / 2, height / 2.0);
        ButtonArtLabel::DrawAt(cr, small, english, left + titleWidth + kGap + englishWidth / 2,
                               height / 2.0 + 1);
    });
}

void LevelLabelArt::PaintTag(Canvas& tag, const std::string& name) const {
    tag.Draw(emptyTag, 0, 0);
    cairo_t* cr = tag.Cr();
    // A number the set does not have keeps a blank tag; its button still exists.
    if (name.empty()) {
        return;
    }
    TextStyle style = NameStyle();
    style.sizePx = NameSize(name);
    ButtonArtLabel::DrawAt(cr, style, name, kTagWidth / 2.0, kTagHeight / 2.0);
}

std::vector<std::string> LevelLabelArt::NamesByNumber(const Levels& levels) {
    std::vector<std::string> names(kLevelCount + 1);
    for (const LevelSetFile::Level& level : levels) {
        if (level.number >= 1 && level.number <= kLevelCount) {
            names[static_cast<std::size_t>(level.number)] = level.name;
        }
    }
    return names;
}

void PaintLevelLabels(ImageSet& images, const Levels& levels) {
    LevelLabelArt().Paint(images, levels);
}

} // namespace assetgen
