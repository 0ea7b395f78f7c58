// Checks the generated game folder against the manifest: every file there, at the size the game
// loads it with, in a form the game's own decoders read.
#include <gtest/gtest.h>

#include <mpg123.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "AssetManifest.h"
#include "formats/BmpDecoder.h"
#include "formats/CursorFile.h"
#include "formats/PngDecoder.h"
#include "game/Layout.h"
#include "platform/FileSystem.h"
#include "platform/Settings.h"

namespace {

using assetgen::AssetKind;
using assetgen::AssetManifest;
using assetgen::AssetSpec;

const std::string kDist = TM_DIST_DIR;

std::string ReadAsset(const std::string& path) {
    std::string bytes;
    const auto result = platform::ReadWholeFile(kDist + "/" + path, bytes, 64u << 20);
    return result == platform::ReadResult::Ok ? bytes : std::string();
}

bool Decode(const AssetSpec& spec, const std::string& bytes, formats::DecodedImage& image) {
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
    return spec.kind == AssetKind::Png ? formats::PngDecoder::Decode(data, bytes.size(), image)
                                       : formats::BmpDecoder::Decode(data, bytes.size(), image);
}

// The 5-6-5 value the game turns a colour into; the key is 0xF81F.
std::uint16_t To565(std::uint32_t argb) {
    return static_cast<std::uint16_t>(((argb >> 8) & 0xF800) | ((argb >> 5) & 0x07E0) |
                                      ((argb >> 3) & 0x001F));
}

TEST(GeneratedFiles, EveryManifestFileExistsAndIsNotEmpty) {
    for (const AssetSpec& spec : AssetManifest()) {
        EXPECT_FALSE(ReadAsset(spec.path).empty()) << spec.path;
    }
}

TEST(GeneratedFiles, ImagesDecodeAtTheirLoadedSize) {
    for (const AssetSpec& spec : AssetManifest()) {
        if (spec.kind != AssetKind::KeyedBmp && spec.kind != AssetKind::OpaqueBmp &&
            spec.kind != AssetKind::Png) {
            continue;
        }
        const std::string bytes = ReadAsset(spec.path);
        formats::DecodedImage image;
        ASSERT_TRUE(Decode(spec, bytes, image)) << spec.path;
        EXPECT_EQ(image.width, spec.width) << spec.path;
        EXPECT_EQ(image.height, spec.height) << spec.path;
        if (spec.kind == AssetKind::Png) {
            EXPECT_TRUE(image.hasAlpha) << spec.path;
        } else {
            // The loader refuses shorter files.
            EXPECT_GE(bytes.size(), 1078u) << spec.path;
        }
    }
}

// The game loads every image of its layout at the layout's size; the generator must draw it so.
TEST(GeneratedFiles, EveryLayoutImageIsGeneratedAtItsPlaceSize) {
    for (const game::ImagePlace& place : game::Layout::AllImages()) {
        const AssetSpec* spec = assetgen::FindAsset(place.file);
        ASSERT_NE(spec, nullptr) << place.file;
        EXPECT_EQ(spec->frames, place.frames) << place.file;
        formats::DecodedImage image;
        ASSERT_TRUE(Decode(*spec, ReadAsset(place.file), image)) << place.file;
        EXPECT_EQ(image.width, place.width) << place.file;
        EXPECT_EQ(image.height, place.height) << place.file;
    }
}

TEST(GeneratedFiles, KeyedImagesUseExactMagentaOnly) {
    for (const AssetSpec& spec : AssetManifest()) {
        if (spec.kind != AssetKind::KeyedBmp && spec.kind != AssetKind::OpaqueBmp) {
            continue;
        }
        formats::DecodedImage image;
        ASSERT_TRUE(Decode(spec, ReadAsset(spec.path), image)) << spec.path;
        int keyed = 0;
        int nearKey = 0;
        for (const std::uint32_t pixel : image.pixels) {
            if ((pixel & 0xFFFFFF) == 0xFF00FF) {
                ++keyed;
            } else if (To565(pixel) == 0xF81F) {
                ++nearKey;
            }
        }
        EXPECT_EQ(nearKey, 0) << spec.path << ": opaque pixels that would turn transparent";
        if (spec.kind == AssetKind::OpaqueBmp) {
            EXPECT_EQ(keyed, 0) << spec.path << ": holes in an image drawn whole";
        } else {
            // Something is drawn in every keyed image.
            EXPECT_LT(keyed, static_cast<int>(image.pixels.size())) << spec.path;
        }
    }
}

TEST(GeneratedFiles, StripFramesAreDistinctPictures) {
    // A strip whose frames are all alike shows no hover, press or animation.
    for (const AssetSpec& spec : AssetManifest()) {
        if (spec.frames < 2) {
            continue;
        }
        formats::DecodedImage image;
        ASSERT_TRUE(Decode(spec, ReadAsset(spec.path), image)) << spec.path;
        const int frameWidth = spec.width / spec.frames;
        auto sameFrames = [&](int a, int b) {
            for (int y = 0; y < image.height; ++y) {
                const std::uint32_t* row = &image.pixels[static_cast<std::size_t>(y) * image.width];
                if (std::memcmp(row + a * frameWidth, row + b * frameWidth,
                                frameWidth * sizeof(std::uint32_t)) != 0) {
                    return false;
                }
            }
            return true;
        };
        EXPECT_FALSE(sameFrames(0, 1)) << spec.path;
        if (spec.frames == 5) {
            EXPECT_FALSE(sameFrames(0, 2)) << spec.path << ": pressed frame";
            EXPECT_FALSE(sameFrames(0, 3)) << spec.path << ": disabled frame";
            EXPECT_TRUE(sameFrames(0, 4)) << spec.path << ": the fifth frame is the first";
        }
    }
}

TEST(GeneratedFiles, CursorParsesWithItsHotspot) {
    const std::string bytes = ReadAsset("Cursor.cur");
    formats::CursorImage cursor;
    ASSERT_TRUE(formats::CursorFile::Parse(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                           bytes.size(), cursor));
    EXPECT_EQ(cursor.width, 32);
    EXPECT_EQ(cursor.height, 32);
    ASSERT_GE(cursor.hotspotX, 0);
    ASSERT_GE(cursor.hotspotY, 0);
    ASSERT_LT(cursor.hotspotX, 32);
    ASSERT_LT(cursor.hotspotY, 32);
    // The hotspot lies on or next to a visible pixel of the pointer.
    bool visibleNearHotspot = false;
    for (int dy = -2; dy <= 2; ++dy) {
        for (int dx = -2; dx <= 2; ++dx) {
            const int x = cursor.hotspotX + dx;
            const int y = cursor.hotspotY + dy;
            if (x >= 0 && y >= 0 && x < 32 && y < 32 && (cursor.pixels[y * 32 + x] >> 24) > 128) {
                visibleNearHotspot = true;
            }
        }
    }
    EXPECT_TRUE(visibleNearHotspot);
}

TEST(GeneratedFiles, DefaultSettingsReachEveryLevelAndTheHelpPage) {
    const std::string ini = kDist + "/set.ini";
    EXPECT_EQ(platform::Settings::ReadNumber(ini, "board", "maxboard", "0"), 266);
    for (const char* key : {"web1", "web2", "web3"}) {
        const std::string address = platform::Settings::ReadString(ini, "website", key, "");
        EXPECT_EQ(address.rfind("file://", 0), 0u) << key;
        EXPECT_NE(address.find("/Help/index.html"), std::string::npos) << key;
    }
    EXPECT_EQ(platform::Settings::ReadString(ini, "set", "fullscreen", "x"), "0");
    for (const char* key : {"sound", "music"}) {
        const int level = platform::Settings::ReadNumber(ini, "volume", key, "-1");
        EXPECT_GE(level, 1) << key;
        EXPECT_LE(level, 15) << key;
    }
}

TEST(GeneratedFiles, HelpPageListsEveryLevel) {
    const std::string html = ReadAsset("Help/index.html");
    for (const char* anchor : {"id=\"play\"", "id=\"keys\"", "id=\"levels\"", "Alt"}) {
        EXPECT_NE(html.find(anchor), std::string::npos) << anchor;
    }
    EXPECT_NE(html.find("第1关"), std::string::npos);
    EXPECT_NE(html.find("第267关"), std::string::npos);
    EXPECT_EQ(html.find("第268关"), std::string::npos);
}

// The key table names every key the game takes.
TEST(GeneratedFiles, HelpPageKeyTableNamesEveryKey) {
    const std::string html = ReadAsset("Help/index.html");
    const std::size_t from = html.find("id=\"keys\"");
    const std::size_t to = html.find("id=\"levels\"");
    ASSERT_NE(from, std::string::npos);
    ASSERT_LT(from, to);
    const std::string table = html.substr(from, to - from);
    for (const char* key :
         {"<kbd>Tab</kbd>", "<kbd>Shift</kbd>+<kbd>Tab</kbd>", "<kbd>←</kbd>", "<kbd>↑</kbd>",
          "<kbd>→</kbd>", "<kbd>↓</kbd>", "<kbd>Page Up</kbd>", "<kbd>Page Down</kbd>",
          "<kbd>Enter</kbd>", "<kbd>Esc</kbd>", "<kbd>H</kbd>", "<kbd>Ctrl</kbd>+<kbd>0</kbd>",
          "<kbd>Alt</kbd>+<kbd>Enter</kbd>"}) {
        EXPECT_NE(table.find(key), std::string::npos) << key;
    }
}

// Whether a colour reads as blue: blue well above red and green.
bool Bluish(std::uint32_t argb) {
    const int r = (argb >> 16) & 0xFF, g = (argb >> 8) & 0xFF, b = argb & 0xFF;
    return b > r + 40 && b > g + 20;
}

formats::DecodedImage DecodeBmp(const std::string& path) {
    const std::string bytes = ReadAsset(path);
    formats::DecodedImage image;
    EXPECT_TRUE(formats::BmpDecoder::Decode(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                            bytes.size(), image))
        << path;
    return image;
}

// The 2x2 block's card is blue; the help page's words and drawings, and the first in-game help
// page's diagram, must say and show the same.
TEST(GeneratedFiles, HelpShowsAndNamesTheBigBlockInItsCardsColour) {
    const formats::DecodedImage card = DecodeBmp("Graphic/UI/caocao.bmp");
    const auto cardBlue = std::count_if(card.pixels.begin(), card.pixels.end(), Bluish);
    EXPECT_GT(cardBlue * 3, static_cast<long>(card.pixels.size()))
        << "the card itself is blue: " << cardBlue << " of " << card.pixels.size() << " pixels";

    const std::string html = ReadAsset("Help/index.html");
    EXPECT_NE(html.find("把蓝色的大方块"), std::string::npos);
    EXPECT_EQ(html.find("红色的大方块"), std::string::npos);
    EXPECT_NE(html.find("big blue 2×2 block"), std::string::npos);
    // Every layout drawing's 2x2 block is a 22 x 22 rectangle.
    const std::string big = "width=\"22\" height=\"22\" rx=\"2\" fill=\"#";
    const std::size_t at = html.find(big);
    ASSERT_NE(at, std::string::npos);
    const std::uint32_t fill = std::stoul(html.substr(at + big.size(), 6), nullptr, 16);
    EXPECT_TRUE(Bluish(fill)) << "the drawings fill it with " << std::hex << fill;

    // Page 1 of the help strip (119 pixels wide) draws the goal with the 2x2 block in it.
    const formats::DecodedImage pages = DecodeBmp("Graphic/UI/jies.bmp");
    int blue = 0;
    for (int y = 0; y < pages.height; ++y) {
        for (int x = 0; x < 119; ++x) {
            blue += Bluish(pages.pixels[static_cast<std::size_t>(y) * pages.width + x]) ? 1 : 0;
        }
    }
    EXPECT_GE(blue, 25 * 25) << "page 1 shows no blue 2x2 block";
}

// Decodes a whole MP3 file: seconds of audio, channels, rate and the loudest sample.
struct DecodedTrack {
    double seconds = 0;
    int channels = 0;
    long rate = 0;
    int peak = 0;
    bool ok = false;
};

DecodedTrack DecodeMp3(const std::string& bytes) {
    DecodedTrack track;
    mpg123_init();
    int error = 0;
    mpg123_handle* handle = mpg123_new(nullptr, &error);
    if (handle == nullptr) {
        return track;
    }
    mpg123_param(handle, MPG123_ADD_FLAGS, MPG123_GAPLESS | MPG123_QUIET, 0);
    mpg123_format_none(handle);
    mpg123_format(handle, 44100, MPG123_STEREO | MPG123_MONO, MPG123_ENC_SIGNED_16);
    mpg123_open_feed(handle);
    mpg123_feed(handle, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
    int encoding = 0;
    long samples = 0;
    unsigned char buffer[16384];
    for (;;) {
        std::size_t done = 0;
        const int result = mpg123_read(handle, buffer, sizeof buffer, &done);
        if (result == MPG123_NEW_FORMAT) {
            mpg123_getformat(handle, &track.rate, &track.channels, &encoding);
            continue;
        }
        const auto* pcm = reinterpret_cast<const std::int16_t*>(buffer);
        for (std::size_t i = 0; i < done / 2; ++i) {
            track.peak = std::max(track.peak, std::abs(static_cast<int>(pcm[i])));
        }
        samples += static_cast<long>(done / 2);
        if (result != MPG123_OK) {
            break;
        }
    }
    mpg123_delete(handle);
    if (track.channels > 0 && track.rate > 0) {
        track.seconds = static_cast<double>(samples) / track.channels / track.rate;
        track.ok = true;
    }
    return track;
}

TEST(GeneratedFiles, MusicTracksDecodeToLoopLengthStereo) {
    for (const char* path :
         {"Music/begin.mp3", "Music/board1.mp3", "Music/board2.mp3", "Music/board3.mp3"}) {
        const DecodedTrack track = DecodeMp3(ReadAsset(path));
        ASSERT_TRUE(track.ok) << path;
        EXPECT_EQ(track.channels, 2) << path;
        EXPECT_EQ(track.rate, 44100) << path;
        EXPECT_GE(track.seconds, 40.0) << path;
        EXPECT_LE(track.seconds, 75.0) << path;
        EXPECT_GT(track.peak, 3000) << path << ": too quiet to hear";
    }
}

} // namespace
