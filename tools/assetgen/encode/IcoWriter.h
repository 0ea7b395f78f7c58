#pragma once

#include <string>
#include <vector>

namespace assetgen {

// One picture of an icon file: a square PNG `size` pixels wide.
struct IconPicture {
    int size = 0;
    std::string png;
};

// The Windows icon file (.ico): its directory, then every picture's PNG stream as it is. Windows
// reads PNG pictures at every size since Vista; the directory writes the width 256 as 0.
class IcoWriter {
public:
    static constexpr int kMaxSize = 256;

    // The file, its pictures in the given order; empty when there is no picture, a size lies
    // outside 1..kMaxSize or comes twice, or a picture is not a PNG stream.
    static std::string Encode(const std::vector<IconPicture>& pictures);

private:
    static bool Valid(const std::vector<IconPicture>& pictures);
};

} // namespace assetgen
