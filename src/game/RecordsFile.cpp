#include "game/RecordsFile.h"

#include <cerrno>

namespace game {

namespace {

class ByteReader {
public:
    explicit ByteReader(const unsigned char* bytes) : bytes(bytes) {}
    std::uint32_t Take(int count) {
        std::uint32_t value = 0;
        for (int i = 0; i < count; ++i) {
            value |= static_cast<std::uint32_t>(bytes[at++]) << (8 * i);
        }
        return value;
    }

private:
    const unsigned char* bytes;
    std::size_t at = 0;
};

void Append(std::string& bytes, std::uint32_t value, int count) {
    for (int i = 0; i < count; ++i) {
        bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

// One entry's record, or false when a field is out of range.
bool ReadEntry(ByteReader& reader, LevelRecord& record) {
    const std::uint32_t best = reader.Take(2);
    const std::uint32_t fewest = reader.Take(2);
    const std::uint32_t flags = reader.Take(1);
    const std::uint32_t zero = reader.Take(1);
    if ((flags & ~std::uint32_t{RecordsFile::kUnassistedFlag}) != 0 || zero != 0) {
        return false;
    }
    record.best = static_cast<int>(best);
    record.fewest =
        fewest == RecordsFile::kUnknownFewest ? WinReport::kUnknown : static_cast<int>(fewest);
    record.unassisted = flags != 0;
    return PersonalRecords::Valid(record);
}

RecordsFile::Status ReadBody(ByteReader& reader, PersonalRecords& records) {
    for (int level = 1; level <= puzzle::kLevelCount; ++level) {
        LevelRecord record;
        if (!ReadEntry(reader, record)) {
            return RecordsFile::Status::Damaged;
        }
        records.Set(level, record);
    }
    return RecordsFile::Status::Ok;
}

} // namespace

RecordsFile::Status RecordsFile::Read(std::FILE* file, PersonalRecords& records) {
    records = PersonalRecords{};
    if (file == nullptr) {
        return errno == ENOENT ? Status::Missing : Status::CannotOpen;
    }
    // One byte more than a whole file tells a long file from a whole one.
    unsigned char bytes[kFileBytes + 1];
    const std::size_t size = std::fread(bytes, 1, sizeof bytes, file);
    if (std::ferror(file) != 0) {
        return Status::CannotOpen;
    }
    if (size < kHeaderBytes) {
        return Status::Damaged;
    }
    ByteReader reader(bytes);
    if (reader.Take(4) != kMagic) {
        return Status::Damaged;
    }
    // A later version may be laid out otherwise, so its size says nothing.
    if (reader.Take(2) != kVersion) {
        return Status::UnknownVersion;
    }
    if (reader.Take(2) != puzzle::kLevelCount || size != kFileBytes) {
        return Status::Damaged;
    }
    PersonalRecords read;
    const Status status = ReadBody(reader, read);
    if (status == Status::Ok) {
        records = read;
    }
    return status;
}

std::string RecordsFile::Encode(const PersonalRecords& records) {
    std::string bytes;
    bytes.reserve(kFileBytes);
    Append(bytes, kMagic, 4);
    Append(bytes, kVersion, 2);
    Append(bytes, puzzle::kLevelCount, 2);
    for (int level = 1; level <= puzzle::kLevelCount; ++level) {
        const LevelRecord& record = records.Of(level);
        const bool knownFewest = record.fewest != WinReport::kUnknown;
        Append(bytes, static_cast<std::uint32_t>(record.best), 2);
        Append(bytes, knownFewest ? static_cast<std::uint32_t>(record.fewest) : kUnknownFewest, 2);
        Append(bytes, record.unassisted ? kUnassistedFlag : 0, 1);
        Append(bytes, 0, 1);
    }
    return bytes;
}

} // namespace game
