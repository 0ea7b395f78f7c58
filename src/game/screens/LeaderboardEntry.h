#pragma once

#include <functional>
#include <optional>
#include <string>

#include "app/CharListener.h"
#include "app/InputReceiver.h"
#include "core/Input.h"
#include "game/screens/LeaderboardFile.h"
#include "scene/Picture.h"
#include "widgets/Button.h"
#include "widgets/TextField.h"

namespace platform {
class Clock;
class TextRenderer;
} // namespace platform

namespace game {

// The panel where a winner types a name for the table of best results: a name field of 14
// bytes, an OK and a cancel button. It receives typed characters as a char listener while it is
// visible. Making it creates the results file when there is none.
class LeaderboardEntry : public scene::Picture,
                         public app::CharListener,
                         public app::InputReceiver {
public:
    static constexpr int kNameCapacity = 14;

    // Creates the results file at `resultsPath` when it does not exist. The name is drawn with
    // `renderer`, its caret blinking by `clock`; both must outlive the entry.
    LeaderboardEntry(std::string resultsPath, platform::TextRenderer& renderer,
                     const platform::Clock& clock);
    ~LeaderboardEntry() override;

    void OnChar(int code) override;
    // Mouse and key events: OK submits and keeps the typed name for next time; Enter submits
    // and clears it; cancel only closes. Consumes nothing.
    bool Handle(const core::Input& event) override;
    bool Shown() const override { return ShownInTree(); }
    // Enters `score` with the typed name (or the default name) into the table when it is good
    // enough; the file is left untouched otherwise. A sitting keeps one row: a later
    // submission replaces the row the sitting entered before.
    void SubmitScore();
    // A new sitting: its first submission adds a row of its own.
    void StartSitting() { sittingRow.reset(); }

    widgets::Button okButton;
    widgets::Button cancelButton;
    int score = 0;
    widgets::TextField nameField;

    // OK or cancel took a press.
    std::function<void()> onClick;

private:
    // Adds the field and the buttons and makes sure the results file exists.
    void AddParts();

    std::string resultsPath;
    // The row this sitting put in the table, if any.
    std::optional<LeaderboardFile::Record> sittingRow;
};

} // namespace game
