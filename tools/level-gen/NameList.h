#pragma once

#include <string>
#include <vector>

// The level names, read from a UTF-8 file of one name a line; blank lines are skipped.
class NameList {
public:
    // Reads the file. False with `error` set when it cannot be read, a name is unfit for the
    // level set file (see LevelSetFile::CheckName), a name is repeated, or fewer than `needed`
    // names are there.
    bool Load(const std::string& path, std::size_t needed, std::string& error);

    const std::vector<std::string>& Names() const { return names; }

private:
    std::vector<std::string> names;
};
