#pragma once

#include <string>
#include <utility>

#include "game/PersonalRecords.h"
#include "game/RecordsFile.h"

namespace game {

// The player's personal records on disk, records.dat in the player's folder, read once at the
// start and rewritten whole, atomically, after each win that changes them.
//
// A missing file is written with the first record. A damaged one reads as no records and is
// left as it is until a win makes a record, which replaces it: nothing in it could be read
// back. A file that could not be read, or of a version this game does not know (a later
// game's), is never replaced: it may still hold records; the game keeps this session's
// records in memory only.
class RecordsStore {
public:
    explicit RecordsStore(std::string path) : path(std::move(path)) {}

    // Reads the file; returns what the reader made of it.
    RecordsFile::Status Load();
    // Takes in a win and saves when the records changed. False when nothing changed or the
    // save failed or was withheld.
    bool Record(const WinReport& win);

    const PersonalRecords& Records() const { return records; }

private:
    std::string path;
    PersonalRecords records;
    // False after a read that found a file it must not replace.
    bool mayWrite = true;
};

} // namespace game
