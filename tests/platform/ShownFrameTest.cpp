#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/ShownFrame.h"

namespace {

using platform::Rect;
using platform::ShownFrame;

// A frame whose rows are longer than its width, as a surface's may be.
struct PaddedFrame {
    static constexpr int kWidth = 16;
    static constexpr int kHeight = 8;
    static constexpr int kStride = 20; // pixels per row, four past the width

    std::vector<std::uint16_t> pixels = std::vector<std::uint16_t>(kStride * kHeight, 0x1234);

    std::uint16_t& At(int x, int y) { return pixels[y * kStride + x]; }
    // The pixels past the width: not part of the picture.
    void ScribbleOnPadding(std::uint16_t value) {
        for (int y = 0; y < kHeight; ++y) {
            for (int x = kWidth; x < kStride; ++x) {
                At(x, y) = value;
            }
        }
    }
    const std::vector<Rect>& ShowIn(ShownFrame& shown) const {
        return shown.Replace(pixels.data(), kWidth, kHeight, kStride * 2);
    }
};

using Areas = std::vector<Rect>;

TEST(ShownFrameTest, FirstResizedAndForgottenFramesComeBackWholeAndSameFramesNotAtAll) {
    ShownFrame shown;
    PaddedFrame frame;
    EXPECT_EQ(frame.ShowIn(shown), (Areas{{0, 0, 16, 8}}));
    frame.ScribbleOnPadding(0xFFFF);
    EXPECT_EQ(frame.ShowIn(shown), Areas{});
    shown.Forget();
    EXPECT_EQ(frame.ShowIn(shown), (Areas{{0, 0, 16, 8}}));
    EXPECT_EQ(shown.Replace(frame.pixels.data(), 12, 8, PaddedFrame::kStride * 2),
              (Areas{{0, 0, 12, 8}}));
}

TEST(ShownFrameTest, ConsecutiveChangedRowsAreOneBandAsWideAsAllTheirChanges) {
    ShownFrame shown;
    PaddedFrame frame;
    frame.ShowIn(shown);
    frame.At(0, 0) = 1; // the first pixel of the first row
    frame.At(5, 2) = 1; // a band of rows 2..4, columns 3..9
    frame.At(9, 3) = 1;
    frame.At(3, 4) = 1;
    frame.At(15, 7) = 1; // the last pixel of the last row
    frame.ScribbleOnPadding(0xFFFF);
    EXPECT_EQ(frame.ShowIn(shown), (Areas{{0, 0, 1, 1}, {3, 2, 10, 5}, {15, 7, 16, 8}}));
    // Every changed column was taken as shown, the edge ones too.
    EXPECT_EQ(frame.ShowIn(shown), Areas{});
}

} // namespace
