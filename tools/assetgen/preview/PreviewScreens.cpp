#include "preview/PreviewScreens.h"

#include <algorithm>
#include <optional>
#include <string>

#include "game/Layout.h"
#include "preview/PreviewComposer.h"
#include "puzzle/Geometry.h"
#include "puzzle/Piece.h"
#include "puzzle/PositionGraph.h"
#include "puzzle/RouteHint.h"

using namespace puzzle;

namespace assetgen {
namespace {

using game::Area;
using game::Image;
using game::ImagePlace;
using game::Layout;
using game::ScreenPoint;

const Colour kWhite{1, 1, 1, 1};

// An image moved by (dx, dy) from its place, as the game moves rows and cells.
ImagePlace Moved(ImagePlace place, int dx, int dy) {
    place.x += dx;
    place.y += dy;
    return place;
}

// The window frame's title bar: bar, icon and the first frames of its three buttons.
void PlaceTitleBar(PreviewComposer& c) {
    for (const Image image : {Image::TitleBar, Image::TitleIcon, Image::MinimizeButton,
                              Image::FullScreenButton, Image::CloseButton}) {
        c.Place(Layout::Of(image));
    }
}

void PlaceMenu(PreviewComposer& c) {
    for (const Image image : {Image::MenuBackground, Image::SettingsButton, Image::LeaveButton,
                              Image::StartButton, Image::LeaderboardButton}) {
        c.Place(Layout::Of(image));
    }
}

// Bytes of a UTF-8 text once converted to GBK: two per Chinese character.
int GbkLength(const std::string& text) {
    int length = 0;
    for (const char ch : text) {
        const auto byte = static_cast<unsigned char>(ch);
        if (byte < 0x80) {
            ++length;
        } else if (byte >= 0xC0) {
            length += 2;
        }
    }
    return length;
}

// The leaderboard table with sample rows, laid out as the text table lays them out: each text
// centred in its cell counting 10 x 10 pixels a character.
void PlaceLeaderboard(PreviewComposer& c) {
    const ImagePlace& table = Layout::Of(Image::Leaderboard);
    const ScreenPoint origin = Layout::OnScreen(table);
    c.Place(table);
    const char* names[10] = {"关云长",   "Zilong", "小乔",  "TOvak",      "赵子龙",
                             "Cao Meng", "TOvak",  "TOvak", "长坂坡英雄", "TOvak"};
    const char* scores[10] = {"267", "180", "96", "41", "37", "12", "0", "0", "0", "0"};
    const game::TableCells& cells = Layout::LeaderboardCells();
    for (int row = 0; row < cells.rows; ++row) {
        const std::string text[2] = {names[row], scores[row]};
        int left = origin.x + cells.left;
        const int top = origin.y + cells.top + cells.rowHeight * row;
        for (int column = 0; column < cells.columns; ++column) {
            const int width = cells.columnWidths[column];
            const int x = left + (width - GbkLength(text[column]) * 10) / 2;
            c.Write(text[column], x, top + (cells.rowHeight - 10) / 2, kWhite);
            left += width;
        }
    }
}

std::string MenuWithLeaderboard(const ImageSet& images) {
    PreviewComposer c(images, 800, 600);
    PlaceMenu(c);
    PlaceLeaderboard(c);
    c.Place(Layout::Of(Image::Logo));
    PlaceTitleBar(c);
    return c.Png();
}

int SelectedPiece(const LevelFile::Grid& grid) {
    int first = 0;
    for (const std::int8_t number : grid) {
        if (number == kBigPiece) {
            return number;
        }
        if (first == 0 && number > 0) {
            first = number;
        }
    }
    return first;
}

// The pieces of a grid on their cells; each piece's number stands on its top-left cell.
void PlacePieces(PreviewComposer& c, const LevelFile::Grid& grid) {
    for (int column = 0; column < kColumns; ++column) {
        for (int row = 0; row < kRows; ++row) {
            const int number = grid[CellIndex(column, row)];
            if (number >= 1 && number <= kMaxPieceNumber) {
                c.Place(
                    Moved(Layout::PiecePortrait(number), kCellWidth * column, kCellHeight * row));
            }
        }
    }
}

// The selection frame over the selected piece.
void PlaceSelection(PreviewComposer& c, const LevelFile::Grid& grid) {
    const int selected = SelectedPiece(grid);
    if (selected == 0) {
        return;
    }
    for (int column = 0; column < kColumns; ++column) {
        for (int row = 0; row < kRows; ++row) {
            if (grid[CellIndex(column, row)] == selected) {
                c.Place(Moved(Layout::SelectionFrame(Piece::ShapeOf(selected)), kCellWidth * column,
                              kCellHeight * row));
                return;
            }
        }
    }
}

// The level list, page 1: arrows, five level buttons, five rows of name, line and mark, level
// 1 shown cleared and the rest not yet.
void PlaceLevelList(PreviewComposer& c) {
    c.Place(Layout::Of(Image::LevelPrevButton));
    c.Place(Layout::Of(Image::LevelNextButton));
    for (int level = 1; level <= Layout::kLevelsPerPage; ++level) {
        c.Place(Layout::LevelButton(level));
        c.Place(Layout::LevelName(level));
    }
}

// A row's record written in the record digits ("0".."9", "/"), ending two pixels left of the
// mark as the game writes it; returns where the text starts.
int PlaceRecordText(PreviewComposer& c, const std::string& text, int dy) {
    const ImagePlace& digits = Layout::Of(Image::RecordDigits);
    const int glyphWidth = digits.width / digits.frames;
    const int left =
        Layout::Of(Image::PassedMark).x - 2 - glyphWidth * static_cast<int>(text.size());
    int x = left;
    for (const char ch : text) {
        const int frame = ch == '/' ? 11 : ch - '0' + 1;
        ImagePlace glyph = Moved(digits, 0, dy);
        glyph.x = x;
        c.Place(glyph, frame);
        x += glyphWidth;
    }
    return left;
}

// Page 1's marks: level 1 won in its fewest steps, level 2 won in more, level 3 won only with
// hints, levels 4 and 5 still to do.
void PlaceLevelMarks(PreviewComposer& c) {
    const char* records[] = {"21/21", "34/21", "40/28", "", ""};
    for (int k = 0; k < Layout::kLevelsPerPage; ++k) {
        const int dy = Layout::kListRowSpacing * k;
        const std::string record = records[k];
        const Image mark = record.empty() ? Image::NotPassedMark
                           : k == 2       ? Image::AssistedMark
                                          : Image::PassedMark;
        c.Place(Moved(Layout::Of(mark), 0, dy));
        const ImagePlace line = Moved(Layout::Of(Image::RowLine), 0, dy);
        const int lineWidth = record.empty() ? -1 : PlaceRecordText(c, record, dy) - 2 - line.x;
        c.Place(line, 1, lineWidth);
        if (k == 0) {
            c.Place(Moved(Layout::Of(Image::RecordSeal), 0, dy));
        }
    }
}

// Four digits of the digit strip in a counter's area, as the number displays stamp them.
void PlaceDigits(PreviewComposer& c, Area counter, const char* fourDigits) {
    const ImagePlace& digits = Layout::Of(Image::StepDigits);
    const int digitWidth = digits.width / digits.frames;
    const ScreenPoint origin = Layout::Origin(counter);
    for (int i = 0; i < 4; ++i) {
        c.Place(digits.file, origin.x + digits.x + digitWidth * i, origin.y + digits.y,
                fourDigits[i] - '0' + 1, digitWidth);
    }
}

// The step counter showing 3 and, under it, the fewest steps left from there.
void PlaceSteps(PreviewComposer& c) {
    PlaceDigits(c, Area::StepCounter, "0003");
    c.Place(Layout::Of(Image::FewestLabel));
    PlaceDigits(c, Area::FewestCounter, "0047");
}

// The board screen with a level's pieces, one of them selected, the level list on page 1 and
// the help on page 1.
void PlaceBoard(PreviewComposer& c, const Levels& levels) {
    c.Place(Layout::Of(Image::BoardBackground));
    const LevelFile::Grid grid = levels.empty() ? LevelFile::Grid{} : levels.front().grid;
    PlacePieces(c, grid);
    PlaceLevelList(c);
    for (const Image image :
         {Image::MoreGamesButton, Image::ClickMeButton, Image::ExitButton, Image::HintButton}) {
        c.Place(Layout::Of(image));
    }
    PlaceSelection(c, grid);
    c.Place(Layout::Of(Image::HelpPages), 1);
    c.Place(Layout::Of(Image::HelpPrevButton), 4); // starts disabled
    c.Place(Layout::Of(Image::HelpNextButton), 1);
    PlaceLevelMarks(c);
    PlaceSteps(c);
    c.Place(Layout::Of(Image::ReturnButton));
    PlaceTitleBar(c);
}

std::string Board(const ImageSet& images, const Levels& levels) {
    PreviewComposer c(images, 800, 600);
    PlaceBoard(c, levels);
    return c.Png();
}

// The board with the hint for the level's start showing: the mark on the hinted piece and the
// arrow on the cells it moves into.
std::string BoardWithHint(const ImageSet& images, const Levels& levels) {
    PreviewComposer c(images, 800, 600);
    PlaceBoard(c, levels);
    const LevelFile::Grid start = levels.empty() ? LevelFile::Grid{} : levels.front().grid;
    PositionGraph graph;
    graph.Explore(start);
    const std::optional<Solver::Step> hint = RouteHint::Next(graph, start);
    const auto anchor = std::find(start.begin(), start.end(), hint ? hint->piece : -1);
    if (!hint || anchor == start.end()) {
        return c.Png();
    }
    const int cell = static_cast<int>(anchor - start.begin());
    Piece piece;
    piece.SetType(hint->piece);
    const int col = cell / kRows;
    const int row = cell % kRows;
    const ImagePlace& mark = Layout::Of(Image::HintMark);
    c.Place(Moved(mark, kCellWidth * col + (piece.width - mark.width) / 2,
                  kCellHeight * row + (piece.height - mark.height) / 2));
    // The centre of the cells the piece moves into, in board pixels.
    const int dx = ColumnDelta(hint->direction);
    const int dy = RowDelta(hint->direction);
    const int centreX =
        dx == 0 ? kCellWidth * col + piece.width / 2
                : kCellWidth * (dx > 0 ? col + piece.Columns() : col - 1) + kCellWidth / 2;
    const int centreY =
        dy == 0 ? kCellHeight * row + piece.height / 2
                : kCellHeight * (dy > 0 ? row + piece.Rows() : row - 1) + kCellHeight / 2;
    const ImagePlace& arrows = Layout::Of(Image::HintArrows);
    const int size = arrows.width / arrows.frames;
    const ScreenPoint grid = Layout::Origin(Area::BoardGrid);
    c.Place(arrows.file, grid.x + centreX - size / 2, grid.y + centreY - arrows.height / 2,
            static_cast<int>(hint->direction) + 1, size);
    return c.Png();
}

std::string WinPanel(const ImageSet& images, const Levels& levels) {
    PreviewComposer c(images, 800, 600);
    PlaceBoard(c, levels);
    for (const Image image : {Image::WinPanel, Image::NextLevelButton, Image::CloseWinButton}) {
        c.Place(Layout::Of(image));
    }
    PlaceDigits(c, Area::WinSteps, "0012");
    PlaceDigits(c, Area::WinFewest, "0009");
    return c.Png();
}

std::string NameEntry(const ImageSet& images, const Levels& levels) {
    PreviewComposer c(images, 800, 600);
    PlaceBoard(c, levels);
    c.Place(Layout::Of(Image::NameEntry));
    const std::string name = "曹孟德";
    const ScreenPoint field = Layout::Origin(Area::NameField);
    c.Write(name, field.x, field.y, kWhite);
    cairo_t* cr = c.Target().Cr();
    kWhite.Use(cr);
    cairo_rectangle(cr, field.x + GbkLength(name) * 8, field.y, 2, 15);
    cairo_fill(cr);
    c.Place(Layout::Of(Image::NameOk));
    c.Place(Layout::Of(Image::NameCancel));
    return c.Png();
}

// The knob standing for `level` on its track.
ImagePlace KnobAt(Image knob, const game::SliderTrack& track, int level) {
    constexpr int kTopLevel = 15;
    return Moved(Layout::Of(knob), (track.x1 - track.x0) / kTopLevel * level, 0);
}

std::string Settings(const ImageSet& images) {
    PreviewComposer c(images, 800, 600);
    PlaceMenu(c);
    c.Place(Layout::Of(Image::Logo));
    PlaceTitleBar(c);
    c.Place(Layout::Of(Image::SettingsPage));
    c.Place(KnobAt(Image::SoundKnob, Layout::SoundTrack(), 10));
    c.Place(KnobAt(Image::MusicKnob, Layout::MusicTrack(), 8));
    for (const Image image : {Image::FullscreenTick, Image::SettingsCancel, Image::SettingsOk}) {
        c.Place(Layout::Of(image));
    }
    return c.Png();
}

std::string LeaveDialog(const ImageSet& images, const Levels& levels) {
    PreviewComposer c(images, 800, 600);
    PlaceBoard(c, levels);
    for (const Image image :
         {Image::Overlay, Image::LeavePage, Image::LeaveYesButton, Image::LeaveNoButton}) {
        c.Place(Layout::Of(image));
    }
    return c.Png();
}

std::string LoadingHalf(const ImageSet& images) {
    PreviewComposer c(images, 800, 600);
    c.Place(Layout::Of(Image::Loading));
    const ImagePlace& bar = Layout::Of(Image::LoadingBar);
    c.Place(bar, 1, bar.width / 2);
    return c.Png();
}

} // namespace

void WriteScreenPreviews(const ImageSet& images, const Levels& levels, OutputTree& preview) {
    preview.Write("menu-leaderboard.png", MenuWithLeaderboard(images));
    preview.Write("board-level1.png", Board(images, levels));
    preview.Write("board-hint.png", BoardWithHint(images, levels));
    preview.Write("win-panel.png", WinPanel(images, levels));
    preview.Write("name-entry.png", NameEntry(images, levels));
    preview.Write("settings.png", Settings(images));
    preview.Write("leave-dialog.png", LeaveDialog(images, levels));
    preview.Write("loading-half.png", LoadingHalf(images));
}

} // namespace assetgen
