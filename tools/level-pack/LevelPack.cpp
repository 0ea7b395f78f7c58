#include "LevelPack.h"

#include <filesystem>

#include "level-set/LevelSetFile.h"
#include "platform/FileSystem.h"
#include "puzzle/Geometry.h"
#include "puzzle/LevelFile.h"

using namespace puzzle;

namespace {

std::string LevelPath(const std::string& directory, std::size_t index) {
    return directory + "/" + std::to_string(index + 1) + ".dat";
}

} // namespace

int LevelPack::Run(const std::vector<std::string>& arguments) {
    if (arguments.size() == 2) {
        return Pack(arguments[0], arguments[1]);
    }
    if (arguments.size() == 3 && arguments[0] == "--check") {
        return Check(arguments[1], arguments[2]);
    }
    err << "usage: level-pack LEVELS.txt DIR          write DIR/1.dat .. DIR/" << kLevelCount
        << ".dat\n"
           "       level-pack --check LEVELS.txt DIR  check that DIR holds those files\n";
    return 2;
}

bool LevelPack::Load(const std::string& textPath, std::vector<std::string>& files) {
    const LevelSetFile::Result set = LevelSetFile::Load(textPath);
    if (!set.Ok()) {
        err << "level-pack: " << set.error << "\n";
        return false;
    }
    if (set.levels.size() != kLevelCount) {
        err << "level-pack: " << textPath << ": " << set.levels.size() << " levels, the game needs "
            << kLevelCount << "\n";
        return false;
    }
    files.clear();
    for (const LevelSetFile::Level& level : set.levels) {
        files.push_back(LevelFile::Encode(level.grid));
    }
    return true;
}

int LevelPack::Pack(const std::string& textPath, const std::string& directory) {
    std::vector<std::string> files;
    if (!Load(textPath, files)) {
        return 1;
    }
    std::error_code error;
    std::filesystem::create_directories(directory, error);
    if (error) {
        err << "level-pack: cannot make " << directory << ": " << error.message() << "\n";
        return 1;
    }
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (!platform::WriteFileAtomically(LevelPath(directory, i), files[i])) {
            err << "level-pack: cannot write " << LevelPath(directory, i) << "\n";
            return 1;
        }
    }
    return 0;
}

int LevelPack::Check(const std::string& textPath, const std::string& directory) {
    std::vector<std::string> files;
    if (!Load(textPath, files)) {
        return 1;
    }
    int wrong = 0;
    for (std::size_t i = 0; i < files.size(); ++i) {
        std::string bytes;
        const std::string path = LevelPath(directory, i);
        if (platform::ReadWholeFile(path, bytes, LevelFile::kFileSize) !=
            platform::ReadResult::Ok) {
            err << "level-pack: " << path << ": missing, or longer than " << LevelFile::kFileSize
                << " bytes\n";
            ++wrong;
        } else if (bytes != files[i]) {
            err << "level-pack: " << path << ": differs from level " << i + 1 << " of " << textPath
                << "\n";
            ++wrong;
        }
    }
    return wrong == 0 ? 0 : 1;
}
