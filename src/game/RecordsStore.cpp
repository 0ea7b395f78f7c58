#include "game/RecordsStore.h"

#include "platform/FileSystem.h"

namespace game {

RecordsFile::Status RecordsStore::Load() {
    const RecordsFile::Status status =
        RecordsFile::Read(platform::OpenFile(path, "rb").get(), records);
    mayWrite = status == RecordsFile::Status::Ok || status == RecordsFile::Status::Missing ||
               status == RecordsFile::Status::Damaged;
    return status;
}

bool RecordsStore::Record(const WinReport& win) {
    if (!records.Record(win) || !mayWrite) {
        return false;
    }
    return platform::WriteFileAtomically(path, RecordsFile::Encode(records));
}

} // namespace game
