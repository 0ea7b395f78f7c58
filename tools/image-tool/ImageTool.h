#pragma once

#include <ostream>
#include <string>
#include <vector>

// Shows an image as the game sees it. Each command returns the exit status and writes its
// report to `out` and its errors to `err`.
class ImageTool {
public:
    ImageTool(std::ostream& out, std::ostream& err) : out(out), err(err) {}

    int Run(const std::vector<std::string>& arguments);

    // Prints "WIDTH HEIGHT TRANSPARENCY": alpha (a PNG with transparency), key (a bitmap with
    // magenta pixels) or none.
    int Info(const std::string& path);
    // Writes the image as an RGBA PNG: a bitmap through the game's RGB565 conversion with its
    // key pixels transparent, a PNG with its own alpha.
    int Convert(const std::string& path, const std::string& outPath);

private:
    struct Image {
        int width = 0;
        int height = 0;
        std::vector<std::uint32_t> pixels; // 0xAARRGGBB
        const char* transparency = "none";
    };
    bool Load(const std::string& path, Image& image);
    int Usage();

    std::ostream& out;
    std::ostream& err;
};
