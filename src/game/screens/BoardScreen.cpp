#include "game/screens/BoardScreen.h"

#include <functional>

#include "core/GameFolders.h"
#include "game/Layout.h"
#include "game/PlacedImage.h"
#include "game/Play.h"
#include "game/screens/LeaderboardFile.h"
#include "game/screens/Report.h"
#include "puzzle/Board.h"
#include "puzzle/Direction.h"

namespace game {

namespace {

void Place(scene::Element& element, Area area) {
    const AreaPlace& place = Layout::Of(area);
    element.SetSize(place.width, place.height);
    element.SetPosition(place.x, place.y);
}

// A press of a mouse button or of a key: what the player does next, which must find a sliding
// piece in its cell.
bool IsPress(std::uint32_t code) {
    return code == core::kMouseLeftDown || code == core::kMouseRightDown || core::IsKeyPress(code);
}

} // namespace

BoardScreen::BoardScreen(const core::GameFolders& folders, Play& play,
                         platform::DocumentOpener& opener, platform::TextRenderer& text,
                         const platform::Clock& caretClock, const platform::Clock* slideClock)
    : folders(folders), play(play), view(folders, play.GetBoard(), slideClock),
      links(folders, opener), entry(folders.LeaderboardFile(), text, caretClock),
      guide(timers, play) {
    SetSize(800, 600);
    Place(levelSelect, Area::LevelColumn);
    entry.SetVisible(0);
    AddChildren();
    Wire();
    BindKeys();
}

void BoardScreen::AddChildren() {
    view.AddTo(*this);
    AddChild(&winPanel);
    scene::Element& boardPanel = view.Panel();
    boardPanel.AddChild(&levelSelect);
    links.AddTo(boardPanel);
    help.AddTo(boardPanel);
    guide.AddTo(*this, boardPanel);
}

BoardScreen::~BoardScreen() {
    guide.RemoveFrom(*this, view.Panel());
    view.RemoveFrom(*this);
    RemoveChild(&winPanel);
}

// The parts report to the play and to each other here; the play answers to the parts.
void BoardScreen::Wire() {
    const auto click = [this] { PlayClick(); };
    view.onPressed = std::bind_front(&Play::PressCell, &play);
    view.onArrived = [this] { winPanel.Arrived(); };
    winPanel.onNext = [this] { GoToNextLevel(); };
    winPanel.onClose = [this] { Report(onWinClosed); };
    guide.onHint = [this] { ShowHint(); };
    links.onExit = [this] { Report(onExit); };
    winPanel.onClick = guide.onClick = links.onClick = levelSelect.onClick = entry.onClick =
        help.onClick = click;
    levelSelect.onLevelChosen = [this](int level) { StartLevel(level); };
    levelSelect.ShowRecords(&play.Records());

    play.onMoved = [this](int number, int col, int row) { ShowMove(number, col, row); };
    play.onSelected = [this](int number) { view.ShowSelection(number); };
    play.onWon = [this](const WinReport& report) { ShowWin(report); };
    play.onHint = [this](const puzzle::Solver::Step& step) { guide.ShowHint(step); };
}

void BoardScreen::BindKeys() {
    using puzzle::Direction;
    const auto move = [this](Direction direction) {
        return [this, direction](const core::Input&) { play.MoveKey(direction); };
    };
    keys = {
        {core::kKeyTabPressed, KeyScope::Board,
         [this](const core::Input&) { play.SelectNext(false); }},
        {core::kKeyShiftTabPressed, KeyScope::Board,
         [this](const core::Input&) { play.SelectNext(true); }},
        {core::kKeyLeftPressed, KeyScope::Board, move(Direction::Left)},
        {core::kKeyRightPressed, KeyScope::Board, move(Direction::Right)},
        {core::kKeyUpPressed, KeyScope::Board, move(Direction::Up)},
        {core::kKeyDownPressed, KeyScope::Board, move(Direction::Down)},
        {core::kKeyHintReleased, KeyScope::Board, [this](const core::Input&) { ShowHint(); }},
        // Over the win panel the board takes no keys; Enter is its next-level button.
        {core::kKeyEnterReleased, KeyScope::WinPanel,
         [this](const core::Input&) { GoToNextLevel(); }},
        {core::kKeyPageUpPressed, KeyScope::Always,
         [this](const core::Input& event) { OfferLevelList(event); }},
        {core::kKeyPageDownPressed, KeyScope::Always,
         [this](const core::Input& event) { OfferLevelList(event); }},
    };
}

void BoardScreen::PlayClick() {
    Report(onClick);
}

void BoardScreen::HandleTimerEvent(const std::string& name) {
    guide.OnTimerEvent(name);
}

// --- Loading ---------------------------------------------------------------------------------

// In the order the images have always been loaded, which is the order a missing one is traced.
void BoardScreen::BuildBoardScreen(const ImageSource& images) {
    // A piece on its way arrives before the sprites are placed from the grid.
    view.FinishSlide();
    levelSelect.BuildLevelSelect(&play.GetBoard(), images);
    view.LoadBackground(images);
    LoadEntry(images);
    LoadPlaced(overlay, Layout::Of(Image::Overlay), images);
    view.LoadPieces(images);
    links.Load(images);
    winPanel.Load(images);
    help.Load(images);
    guide.Load(images);
    winPanel.LoadTally(images);
}

void BoardScreen::LoadEntry(const ImageSource& images) {
    LoadPlaced(entry, Layout::Of(Image::NameEntry), images);
    const AreaPlace& field = Layout::Of(Area::NameField);
    entry.nameField.Configure(
        field.x, field.y, field.width, field.height, LeaderboardEntry::kNameCapacity,
        widgets::TextField::kAcceptsText | widgets::TextField::kMakesBuffer, 0xFFFFFF);
    entry.nameField.SetFocused(1);
    LoadPlaced(entry.okButton, Layout::Of(Image::NameOk), images);
    LoadPlaced(entry.cancelButton, Layout::Of(Image::NameCancel), images);
    Report<app::CharListener*>(addCharListener, &entry);
}

// --- Showing ---------------------------------------------------------------------------------

void BoardScreen::StartLevel(int n) {
    view.StartLevel();
    winPanel.Drop();
    play.StartLevel(n);
    guide.StartLevel();
    ShowBoard();
}

void BoardScreen::StartAttempt() {
    StartLevel(play.GetBoard().level);
    entry.SetVisible(0);
    overlay.SetVisible(0);
    // A win panel left from an earlier attempt would offer a next level not won in this one.
    winPanel.SetVisible(0);
    entry.StartSitting();
}

void BoardScreen::ShowBoard() {
    view.ShowBoard();
    guide.ShowDistance();
}

void BoardScreen::ShowMove(int number, int col, int row) {
    view.ShowMove(number, col, row);
    guide.ShowDistance();
}

// The panel shows the counts of a win made while it is still up from an earlier one, and the
// game is told of it like any other.
void BoardScreen::ShowWin(const WinReport& report) {
    winPanel.Show(report, view.Sliding());
    Report<const WinReport&>(onWon, report);
}

void BoardScreen::ShowHint() {
    if (!winPanel.Shown()) {
        play.Hint();
    }
}

void BoardScreen::GoToNextLevel() {
    // The last level has no next one: the panel stays up.
    const int next = play.NextLevel();
    if (next == 0) {
        return;
    }
    StartLevel(next);
    winPanel.SetVisible(0);
}

// A result good enough for the table is entered by name.
void BoardScreen::OfferNameEntry(int score) {
    LeaderboardFile::Table table;
    LeaderboardFile::Read(folders.LeaderboardFile(), table);
    if (score <= table.back().score) {
        return;
    }
    entry.score = score;
    entry.nameField.Clear();
    entry.nameField.SetFocused(1);
    entry.SetVisible(1);
}

void BoardScreen::Draw(gfx::Display& target) {
    if (view.StepSlide()) {
        WantNextFrame();
    }
    scene::Element::Draw(target);
}

// --- Input -----------------------------------------------------------------------------------

bool BoardScreen::Handle(const core::Input& event) {
    if (IsPress(event.code)) {
        view.FinishSlide();
    }
    // The name entry is modal: its buttons lie over a level button and the board, which must
    // not react to the same click.
    if (entry.visible != 0) {
        HandleEntryMouse(event);
    } else if (!RunKey(event) && !OfferParts(event)) {
        OfferLevelList(event);
    }
    return false;
}

void BoardScreen::HandleEntryMouse(const core::Input& event) {
    const int x = static_cast<int>(event.x);
    const int y = static_cast<int>(event.y);
    const bool answered = event.code == core::kMouseLeftUp &&
                          (entry.okButton.OnMouseUp(x, y) || entry.cancelButton.OnMouseUp(x, y));
    // The entry submits and closes itself.
    entry.Offer(event);
    if (answered) {
        Report(onEntryAnswered);
    }
}

bool BoardScreen::RunKey(const core::Input& event) {
    const KeyScope shown = winPanel.Shown() ? KeyScope::WinPanel : KeyScope::Board;
    for (const KeyBinding& key : keys) {
        if (key.code == event.code && (key.scope == shown || key.scope == KeyScope::Always)) {
            key.act(event);
            return true;
        }
    }
    return false;
}

// The parts in the order they see the pointer, the first to take an event ending the offer. A
// release that turns a help page still goes on to the parts beside the board, but not to the
// win panel.
bool BoardScreen::OfferParts(const core::Input& event) {
    const bool helpTook = help.Handle(event);
    if (helpTook && event.code != core::kMouseLeftUp) {
        return true;
    }
    if (!helpTook && winPanel.Handle(event)) {
        return true;
    }
    return guide.Handle(event) || links.Handle(event) || view.Handle(event);
}

// Mouse events no part took, and Page Up and Page Down.
void BoardScreen::OfferLevelList(const core::Input& event) {
    levelSelect.Offer(event);
}

} // namespace game
