// Any bytes as the personal records file: reading never goes wrong, gives no records unless it
// reads Ok, and a file read Ok is exactly the file its records encode to.
#include <cstdint>
#include <cstdio>
#include <string>

#include "game/RecordsFile.h"

using namespace game;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    std::FILE* file = ::fmemopen(const_cast<std::uint8_t*>(data), size, "rb");
    if (file == nullptr) {
        return 0;
    }
    PersonalRecords records;
    records.Set(1, LevelRecord{5, 5, true});
    const RecordsFile::Status status = RecordsFile::Read(file, records);
    std::fclose(file);
    if (status != RecordsFile::Status::Ok) {
        if (!(records == PersonalRecords{})) {
            __builtin_trap();
        }
        return 0;
    }
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    if (RecordsFile::Encode(records) != bytes) {
        __builtin_trap();
    }
    return 0;
}
