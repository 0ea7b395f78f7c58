#pragma once

#include <string>
#include <string_view>

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

// Points exeDir at a fresh folder for the test's lifetime and restores it afterwards.
class ScopedExeDir {
public:
    ScopedExeDir();
    ~ScopedExeDir();
    ScopedExeDir(const ScopedExeDir&) = delete;
    ScopedExeDir& operator=(const ScopedExeDir&) = delete;

    const TempDir& Dir() const { return dir; }

private:
    TempDir dir;
    std::string saved;
};
