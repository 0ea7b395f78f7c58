#include <gtest/gtest.h>

#include "ImageFiles.h"
#include "ImageTool.h"
#include "TempDir.h"
#include "ToolRun.h"
#include "formats/PngDecoder.h"

namespace {

ToolOutcome RunCommand(const std::vector<std::string>& arguments) {
    return RunTool<ImageTool>(arguments);
}

formats::DecodedImage ReadPng(const TempDir& dir, const std::string& name) {
    const std::string bytes = dir.Read(name);
    formats::DecodedImage image;
    EXPECT_TRUE(formats::PngDecoder::Decode(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                            bytes.size(), image));
    return image;
}

TEST(ImageToolTest, InfoTellsSizeAndTransparency) {
    TempDir dir;
    dir.Write("key.bmp", EncodeBmp8(3, 2, {0xFF00FF, 1, 2, 3, 4, 5}));
    dir.Write("near.bmp", EncodeBmp24(2, 1, {0xFC03FC, 0x000000})); // truncates to the key
    dir.Write("plain.bmp", EncodeBmp24(2, 1, {0xFE00FF & 0xF000F0, 0}));
    dir.Write("alpha.png", EncodePngRgba(4, 1, {0x80FFFFFF, 0, 0, 0}));
    dir.Write("opaque.png", EncodePngRgba(1, 5, std::vector<std::uint32_t>(5, 0xFF123456)));
    const std::pair<const char*, const char*> cases[] = {
        {"key.bmp", "3 2 key\n"},     {"near.bmp", "2 1 key\n"},     {"plain.bmp", "2 1 none\n"},
        {"alpha.png", "4 1 alpha\n"}, {"opaque.png", "1 5 alpha\n"},
    };
    for (const auto& [name, expected] : cases) {
        const ToolOutcome outcome = RunCommand({"info", dir.File(name)});
        EXPECT_EQ(outcome.exitCode, 0) << name << outcome.err;
        EXPECT_EQ(outcome.out, expected) << name;
    }
}

TEST(ImageToolTest, ConvertWritesWhatTheGameShows) {
    TempDir dir;
    dir.Write("in.bmp", EncodeBmp8(2, 2, {0xFF00FF, 0x123456, 0xFFFFFF, 0x070707}));
    ASSERT_EQ(RunCommand({"convert", dir.File("in.bmp"), dir.File("out.png")}).exitCode, 0);
    const formats::DecodedImage image = ReadPng(dir, "out.png");
    ASSERT_EQ(image.width, 2);
    ASSERT_EQ(image.height, 2);
    EXPECT_EQ(image.pixels[0] >> 24, 0u) << "the key is transparent";
    EXPECT_EQ(image.pixels[1], 0xFF103452u) << "through RGB565 and back";
    EXPECT_EQ(image.pixels[2], 0xFFFFFFFFu);
    EXPECT_EQ(image.pixels[3], 0xFF000400u);

    dir.Write("in.png", EncodePngRgba(1, 1, {0x40302010}));
    ASSERT_EQ(RunCommand({"convert", dir.File("in.png"), dir.File("copy.png")}).exitCode, 0);
    EXPECT_EQ(ReadPng(dir, "copy.png").pixels[0], 0x40302010u) << "a PNG keeps its alpha";
}

TEST(ImageToolTest, UnreadableInputIsAClearErrorWithStatusTwo) {
    TempDir dir;
    dir.Write("junk.bmp", "BM not really");
    dir.Write("ok.bmp", EncodeBmp8(1, 1, {0}));
    const std::vector<std::vector<std::string>> cases = {
        {"info", dir.File("missing.png")},
        {"info", dir.File("junk.bmp")},
        {"convert", dir.File("junk.bmp"), dir.File("x.png")},
        {"convert", dir.File("ok.bmp"), dir.File("x.bmp")},
        {"convert", dir.File("ok.bmp"), dir.File("no/such/dir/x.png")},
        {"frobnicate"},
    };
    for (const auto& arguments : cases) {
        const ToolOutcome outcome = RunCommand(arguments);
        EXPECT_EQ(outcome.exitCode, 2) << arguments.back();
        EXPECT_FALSE(outcome.err.empty()) << arguments.back();
    }
    EXPECT_FALSE(dir.Exists("x.png"));
}

} // namespace
