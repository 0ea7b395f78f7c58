#pragma once

#include <windows.h>

#include <string>

// A program file opened for its resources alone, as Explorer reads it: none of its code runs.
class ProgramModule {
public:
    explicit ProgramModule(const std::wstring& path);
    // The game program the build made, which the tests read.
    static std::wstring GameProgram();
    ~ProgramModule();
    ProgramModule(const ProgramModule&) = delete;
    ProgramModule& operator=(const ProgramModule&) = delete;

    HMODULE Handle() const { return module; }
    // A resource's bytes; empty when the program has no resource of that type and id.
    std::string Resource(LPCWSTR type, int id) const;
    // The picture of an icon group Windows picks for a size, as stored: a PNG or a bitmap.
    std::string IconPicture(int group, int size) const;
    // In how many languages the program holds the resource.
    int Languages(LPCWSTR type, int id) const;

private:
    HMODULE module = nullptr;
};
