#include <gtest/gtest.h>

#include "ImageFiles.h"
#include "TempDir.h"
#include "game/screens/LeaderboardEntry.h"
#include "game/screens/LeaderboardFile.h"
#include "game/screens/LeaderboardView.h"
#include "gfx/DisplayFixture.h"
#include "gfx/ImageCache.h"
#include "platform/Clock.h"
#include "platform/TextRenderer.h"
#include "widgets/TextTable.h"

using namespace core;
using namespace gfx;
using namespace scene;
using namespace app;
using namespace widgets;
using namespace game;

namespace {

// An entry panel with its page and buttons loaded in a game folder of its own: the OK button
// at (10, 40) and the cancel button at (40, 40), each 10 x 10.
class LeaderboardEntryTest : public DisplayFixture {
protected:
    LeaderboardEntryTest() : DisplayFixture(100, 80) {
        dir.Write("page.bmp", EncodeBmp8(100, 60, std::vector<std::uint32_t>(6000, 0x202020)));
        dir.Write("button.bmp", EncodeBmp8(50, 10, std::vector<std::uint32_t>(500, 0x808080)));
        entry = std::make_unique<LeaderboardEntry>(dir.File("st.data"), renderer, clock);
        entry->LoadImage(*display, dir.File("page.bmp"), 0, 0, 100, 60, 1);
        entry->nameField.Configure(10, 10, 60, 16, LeaderboardEntry::kNameCapacity, 3, 0xFFFFFF);
        entry->nameField.SetFocused(1);
        entry->okButton.Load(*display, dir.File("button.bmp"), 10, 40, 50, 10);
        entry->cancelButton.Load(*display, dir.File("button.bmp"), 40, 40, 50, 10);
    }
    ~LeaderboardEntryTest() override { entry.reset(); }

    void Type(std::string_view text) {
        for (const char c : text) {
            entry->OnChar(static_cast<unsigned char>(c));
        }
    }
    void Click(int x, int y) {
        entry->Offer(
            {kMouseLeftDown, static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(y)});
        entry->Offer({kMouseLeftUp, static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(y)});
    }
    std::string TopName() {
        LeaderboardFile::Table table{};
        EXPECT_TRUE(LeaderboardFile::Read(dir.File("st.data"), table));
        return LeaderboardFile::NameText(table[0]);
    }
    std::string Typed() {
        int length = 0;
        const char* text = entry->nameField.GetText(length);
        return std::string(text, static_cast<std::size_t>(length));
    }

    TempDir dir;
    platform::TextRenderer renderer;
    platform::ManualClock clock;
    std::unique_ptr<LeaderboardEntry> entry;
};

TEST_F(LeaderboardEntryTest, MakingTheEntryCreatesTheDefaultTable) {
    EXPECT_EQ(dir.Read("st.data"), LeaderboardFile::Encode(LeaderboardFile::DefaultTable()));
}

TEST_F(LeaderboardEntryTest, OkKeepsTheTypedNameAndEnterClearsIt) {
    entry->score = 5;
    Type("abc");
    Click(15, 45);
    EXPECT_EQ(entry->visible, 0);
    EXPECT_EQ(TopName(), "abc");
    EXPECT_EQ(Typed(), "abc") << "kept for the next time";

    entry->SetVisible(1);
    entry->score = 7;
    Type("d");
    entry->Offer({kKeyEnterReleased, 0, 0});
    EXPECT_EQ(TopName(), "abcd");
    EXPECT_EQ(Typed(), "");
    EXPECT_EQ(entry->visible, 0);
}

TEST_F(LeaderboardEntryTest, CancelEmptyNamesAndHiddenPanels) {
    entry->score = 3;
    Click(45, 45);
    EXPECT_EQ(entry->visible, 0) << "cancel closes";
    EXPECT_EQ(TopName(), "TOvak") << "and submits nothing";
    EXPECT_EQ(dir.Read("st.data"), LeaderboardFile::Encode(LeaderboardFile::DefaultTable()));

    Type("zz");
    EXPECT_EQ(Typed(), "") << "a hidden panel takes no characters";
    entry->Offer({kKeyEnterReleased, 0, 0});
    EXPECT_EQ(dir.Read("st.data"), LeaderboardFile::Encode(LeaderboardFile::DefaultTable()));

    entry->SetVisible(1);
    entry->Offer({kKeyEnterReleased, 0, 0});
    LeaderboardFile::Table table{};
    ASSERT_TRUE(LeaderboardFile::Read(dir.File("st.data"), table));
    EXPECT_EQ(table[0].score, 3);
    EXPECT_EQ(LeaderboardFile::NameText(table[0]), "TOvak") << "an empty name stores the default";
}

TEST_F(LeaderboardEntryTest, TableShowsNamesAndScoresInWhite) {
    entry->score = 42;
    Type("abc");
    entry->SubmitScore();
    TextTable table(renderer);
    LeaderboardView::LoadLeaderboard(table, 0, 2, dir.File("st.data"));
    EXPECT_EQ(table.rows, 0) << "no rows: nothing happens";
    LeaderboardView::LoadLeaderboard(table, 10, 2, dir.File("st.data"));
    EXPECT_EQ(table.rows, 10);
    EXPECT_EQ(table.columns, 2);
    EXPECT_EQ(table.cells[0][0], "abc");
    EXPECT_EQ(table.cells[0][1], "42");
    EXPECT_EQ(table.cells[9][0], "TOvak");
    EXPECT_EQ(table.cells[9][1], "0");
    EXPECT_EQ(table.colours[0][0], 0xFFFFFFu);

    dir.Write("st.data", "");
    LeaderboardFile::Table negative = LeaderboardFile::DefaultTable();
    negative[0].score = -12;
    dir.Write("st.data", LeaderboardFile::Encode(negative));
    LeaderboardView::LoadLeaderboard(table, 10, 2, dir.File("st.data"));
    EXPECT_EQ(table.cells[0][1], "-12");
}

} // namespace
