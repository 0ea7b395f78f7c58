#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "gfx/SurfaceResult.h"

namespace gfx {

class Surface;

// Makes RGB565 surfaces from ".bmp" files. A file loaded at its own size is decoded a row at a
// time straight into its surface; one stretched to another size goes through a Bitmap.
class SurfaceLoader {
public:
    // The memory caps of a surface of width x height: where it lives.
    using MemoryCaps = std::function<std::uint32_t(int width, int height)>;

    explicit SurfaceLoader(MemoryCaps memoryCaps);

    // The surface of the file at width x height (0 for the file's own). FileUnreadable when the
    // file cannot be read or decoded, or is shorter than the file and info headers and a full
    // 256-entry colour table (1078 bytes), whatever its depth: the game has always refused
    // shorter files. `out` is set only on success.
    SurfaceResult Load(std::string_view path, int width, int height, std::unique_ptr<Surface>& out);
    // Frees the memory kept for the next load, once a run of loads is over.
    void FinishLoading() { std::string().swap(fileBytes); }

private:
    SurfaceResult LoadScaled(int width, int height, std::unique_ptr<Surface>& out) const;

    MemoryCaps memoryCaps;
    // The file being loaded. Kept from one load to the next, so that a run of loads reads into
    // memory already there instead of allocating, and for large files mapping, afresh each time.
    std::string fileBytes;
};

} // namespace gfx
