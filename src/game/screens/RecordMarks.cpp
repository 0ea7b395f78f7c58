#include "game/screens/RecordMarks.h"

#include <algorithm>

#include "game/Layout.h"

namespace game {

namespace {

constexpr int kSlashFrame = 11;

void AppendNumber(std::vector<int>& glyphs, int number) {
    const std::string digits = std::to_string(std::min(number, RecordMarks::kLargestShown));
    for (const char digit : digits) {
        glyphs.push_back(digit - '0' + 1);
    }
}

int GlyphWidth() {
    const ImagePlace& place = Layout::Of(Image::RecordDigits);
    return place.width / place.frames;
}

int RowOffset(int row) {
    return Layout::kListRowSpacing * row;
}

} // namespace

void RecordMarks::Load(const ImageSource& images) {
    LoadPlaced(digits, Layout::Of(Image::RecordDigits), images);
    LoadPlaced(seal, Layout::Of(Image::RecordSeal), images);
    LoadPlaced(assistedMark, Layout::Of(Image::AssistedMark), images);
}

void RecordMarks::ReleaseSurfaces() {
    digits.ReleaseSurfaces();
    seal.ReleaseSurfaces();
    assistedMark.ReleaseSurfaces();
}

std::vector<int> RecordMarks::Glyphs(const LevelRecord& record) {
    std::vector<int> glyphs;
    if (!record.Cleared()) {
        return glyphs;
    }
    AppendNumber(glyphs, record.best);
    if (record.fewest != WinReport::kUnknown) {
        glyphs.push_back(kSlashFrame);
        AppendNumber(glyphs, record.fewest);
    }
    return glyphs;
}

int RecordMarks::TextLeft(const LevelRecord& record) const {
    const int markLeft = Layout::Of(Image::PassedMark).x;
    const std::size_t count = Glyphs(record).size();
    if (count == 0) {
        return markLeft;
    }
    return markLeft - kGap - static_cast<int>(count) * GlyphWidth();
}

void RecordMarks::Draw(gfx::Display& target, const LevelRecord& record, int row) {
    const int y = Layout::Of(Image::RecordDigits).y + RowOffset(row);
    int x = TextLeft(record);
    for (const int frame : Glyphs(record)) {
        digits.SetFrame(frame);
        digits.SetPosition(x, y);
        digits.Draw(target);
        x += GlyphWidth();
    }
    if (record.Perfect()) {
        const ImagePlace& place = Layout::Of(Image::RecordSeal);
        seal.SetPosition(place.x, place.y + RowOffset(row));
        seal.Draw(target);
    }
}

} // namespace game
