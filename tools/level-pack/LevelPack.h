#pragma once

#include <ostream>
#include <string>
#include <vector>

// The level packer's commands: it turns the level set text into the game's level files, or
// checks that a folder holds exactly the files the text gives. Each returns the process exit
// code and writes its errors to `err`.
class LevelPack {
public:
    explicit LevelPack(std::ostream& err) : err(err) {}

    int Run(const std::vector<std::string>& arguments);

    // Writes DIR/1.dat .. DIR/N.dat, one for each of the set's levels; the set must have as
    // many levels as the game has.
    int Pack(const std::string& textPath, const std::string& directory);
    // Checks that every file there is the 24 bytes its level encodes to.
    int Check(const std::string& textPath, const std::string& directory);

private:
    // Reads the set; false, with the error written, when it cannot be used.
    bool Load(const std::string& textPath, std::vector<std::string>& files);

    std::ostream& err;
};
