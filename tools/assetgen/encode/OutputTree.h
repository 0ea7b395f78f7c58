#pragma once

#include <string>
#include <string_view>

namespace assetgen {

// Writes files under a root folder, touching only those whose bytes change, so the build's
// later steps and the player's own files see no needless change.
class OutputTree {
public:
    explicit OutputTree(std::string root);

    // Creates folders as needed; false when the file could not be written.
    bool Write(const std::string& relativePath, std::string_view bytes);
    // Writes only when no file of that name exists (player-owned files such as settings).
    bool WriteIfMissing(const std::string& relativePath, std::string_view bytes);

    const std::string& Root() const { return root; }
    int Written() const { return written; }
    int Unchanged() const { return unchanged; }

private:
    std::string root;
    int written = 0;
    int unchanged = 0;
};

} // namespace assetgen
