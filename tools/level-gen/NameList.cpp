#include "NameList.h"

#include <set>

#include "level-set/LevelSetFile.h"
#include "platform/FileSystem.h"

using namespace puzzle;

bool NameList::Load(const std::string& path, std::size_t needed, std::string& error) {
    names.clear();
    std::string text;
    if (platform::ReadWholeFile(path, text, 1 << 20) != platform::ReadResult::Ok) {
        error = path + ": cannot read the file";
        return false;
    }
    std::set<std::string> seen;
    int lineNumber = 0;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = std::min(text.find('\n', at), text.size());
        std::string name = text.substr(at, end - at);
        at = end + 1;
        ++lineNumber;
        while (!name.empty() && (name.back() == '\r' || name.back() == ' ')) {
            name.pop_back();
        }
        if (name.empty()) {
            continue;
        }
        const std::string where = path + ":" + std::to_string(lineNumber) + ": " + name + ": ";
        if (const std::string unfit = LevelSetFile::CheckName(name); !unfit.empty()) {
            error = where + unfit;
            return false;
        }
        if (!seen.insert(name).second) {
            error = where + "named twice";
            return false;
        }
        names.push_back(name);
    }
    if (names.size() < needed) {
        error = path + ": " + std::to_string(names.size()) + " names, " + std::to_string(needed) +
                " needed";
        return false;
    }
    return true;
}
