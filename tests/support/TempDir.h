#pragma once

#include <string>
#include <string_view>

#include "core/GameFolders.h"

// A fresh folder for one test, removed with everything in it when the object goes away.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // The folder with a trailing separator.
    const std::string& Path() const { return path; }
    std::string File(std::string_view name) const { return path + std::string(name); }

    void Write(std::string_view name, std::string_view bytes) const;
    // The file's bytes; a missing file reads as empty, and `exists` tells the two apart.
    std::string Read(std::string_view name, bool* exists = nullptr) const;
    bool Exists(std::string_view name) const;

private:
    std::string path;
};

// A fresh game folder that is also the player's folder, as in a portable copy of the game.
class TempGameFolder {
public:
    const TempDir& Dir() const { return dir; }
    const core::GameFolders& Folders() const { return folders; }

private:
    TempDir dir;
    core::GameFolders folders{dir.Path(), dir.Path()};
};
