#include "game/screens/LeaderboardEntry.h"

#include "game/screens/Report.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace game {

namespace {

constexpr char kDefaultName[] = "TOvak";

} // namespace

LeaderboardEntry::LeaderboardEntry(std::string resultsPath, platform::TextRenderer& renderer,
                                   const platform::Clock& clock)
    : nameField(renderer, clock), resultsPath(std::move(resultsPath)) {
    AddParts();
}

void LeaderboardEntry::AddParts() {
    AddChild(&nameField);
    AddChild(&okButton);
    AddChild(&cancelButton);
    LeaderboardFile::CreateIfMissing(resultsPath);
}

LeaderboardEntry::~LeaderboardEntry() {
    RemoveChild(&nameField);
    RemoveChild(&okButton);
    RemoveChild(&cancelButton);
}

void LeaderboardEntry::OnChar(int code) {
    if (visible != 0) {
        nameField.OnChar(code);
    }
}

bool LeaderboardEntry::Handle(const core::Input& event) {
    const int x = static_cast<int>(event.x);
    const int y = static_cast<int>(event.y);
    switch (event.code) {
    case core::kMouseLeftUp:
        if (okButton.OnMouseUp(x, y)) {
            SubmitScore();
            SetVisible(0);
        } else if (cancelButton.OnMouseUp(x, y)) {
            SetVisible(0);
        }
        break;
    case core::kMouseLeftDown:
        if (okButton.OnMouseDown(x, y) || cancelButton.OnMouseDown(x, y)) {
            Report(onClick);
        }
        break;
    case core::kMouseMove:
        okButton.OnMouseMove(x, y);
        cancelButton.OnMouseMove(x, y);
        break;
    case core::kKeyEnterReleased:
        SubmitScore();
        nameField.Clear();
        SetVisible(0);
        break;
    default:
        break;
    }
    return false;
}

void LeaderboardEntry::SubmitScore() {
    LeaderboardFile::Record row{score, {}};
    int length = 0;
    const char* text = nameField.GetText(length);
    if (text != nullptr && length > 0) {
        // The field's buffer is zero beyond the text and never longer than a name.
        std::memcpy(row.name.data(), text,
                    std::min<std::size_t>(row.name.size(), static_cast<std::size_t>(length)));
    } else {
        std::memcpy(row.name.data(), kDefaultName, sizeof kDefaultName - 1);
    }
    if (LeaderboardFile::Submit(resultsPath, row.score, row.name, sittingRow) >= 0) {
        sittingRow = row;
    }
}

} // namespace game
