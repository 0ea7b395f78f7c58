#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <string>

#include "TempDir.h"
#include "game/RecordsFile.h"
#include "game/RecordsStore.h"
#include "puzzle/ProgressFile.h"

using namespace game;

namespace {

using Status = RecordsFile::Status;

// Reads `bytes` as a records file through a temporary file that holds them.
Status ReadBytes(const std::string& bytes, PersonalRecords& records) {
    std::FILE* file = std::tmpfile();
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::rewind(file);
    const Status status = RecordsFile::Read(file, records);
    std::fclose(file);
    return status;
}

PersonalRecords Sample() {
    PersonalRecords records;
    records.Set(1, LevelRecord{21, 21, true});
    records.Set(2, LevelRecord{34, WinReport::kUnknown, false});
    records.Set(200, LevelRecord{PersonalRecords::kMaxSteps, 90, true});
    records.Set(267, LevelRecord{1, 1, false});
    return records;
}

// Offset of a field of level `level`'s entry: 0 best, 2 fewest, 4 flags, 5 the zero byte.
std::size_t EntryOffset(int level, int field) {
    return RecordsFile::kHeaderBytes + RecordsFile::kEntryBytes * (level - 1) + field;
}

TEST(RecordsFileTest, RecordsSurviveARoundTrip) {
    const PersonalRecords written = Sample();
    PersonalRecords read;
    read.Set(3, LevelRecord{9, 9, true});
    EXPECT_EQ(ReadBytes(RecordsFile::Encode(written), read), Status::Ok);
    EXPECT_EQ(read, written) << "a read replaces whatever the table held";
    EXPECT_EQ(ReadBytes(RecordsFile::Encode(PersonalRecords{}), read), Status::Ok);
    EXPECT_EQ(read, PersonalRecords{});
}

TEST(RecordsFileTest, TheLayoutIsLittleEndianAndFixed) {
    const std::string bytes = RecordsFile::Encode(Sample());
    ASSERT_EQ(bytes.size(), 1610u);
    EXPECT_EQ(bytes.substr(0, 8), std::string("TMRC\x01\x00\x0B\x01", 8));
    EXPECT_EQ(bytes.substr(EntryOffset(1, 0), 6), std::string("\x15\x00\x15\x00\x01\x00", 6));
    EXPECT_EQ(bytes.substr(EntryOffset(2, 0), 6), std::string("\x22\x00\xFF\xFF\x00\x00", 6));
    EXPECT_EQ(bytes.substr(EntryOffset(3, 0), 6), std::string("\x00\x00\xFF\xFF\x00\x00", 6))
        << "a level never cleared";
    EXPECT_EQ(bytes.substr(EntryOffset(200, 0), 6), std::string("\xFE\xFF\x5A\x00\x01\x00", 6));
    EXPECT_EQ(bytes.substr(EntryOffset(267, 0), 6), std::string("\x01\x00\x01\x00\x00\x00", 6));
}

TEST(RecordsFileTest, EveryKindOfDamageReadsAsNoRecords) {
    const std::string whole = RecordsFile::Encode(Sample());
    const auto with = [&whole](std::size_t at, std::string bytes) {
        std::string damaged = whole;
        damaged.replace(at, bytes.size(), bytes);
        return damaged;
    };
    struct Case {
        const char* what;
        std::string bytes;
        Status status;
    };
    const Case cases[] = {
        {"empty", "", Status::Damaged},
        {"shorter than the header", whole.substr(0, 7), Status::Damaged},
        {"header only", whole.substr(0, 8), Status::Damaged},
        {"one byte short", whole.substr(0, whole.size() - 1), Status::Damaged},
        {"one byte more", whole + '\0', Status::Damaged},
        {"another magic", with(0, "TMRD"), Status::Damaged},
        {"another level count", with(6, std::string("\x0A\x01", 2)), Status::Damaged},
        {"version 0", with(4, std::string("\x00\x00", 2)), Status::UnknownVersion},
        {"version 2", with(4, std::string("\x02\x00", 2)), Status::UnknownVersion},
        {"a later version, longer", with(4, std::string("\x02\x00", 2)) + "more",
         Status::UnknownVersion},
        {"fewest above the best", with(EntryOffset(2, 2), std::string("\x23\x00", 2)),
         Status::Damaged},
        {"fewest of zero", with(EntryOffset(2, 2), std::string("\x00\x00", 2)), Status::Damaged},
        {"best of 0xFFFF", with(EntryOffset(2, 0), "\xFF\xFF"), Status::Damaged},
        {"an unknown flag", with(EntryOffset(1, 4), "\x03"), Status::Damaged},
        {"a non-zero pad byte", with(EntryOffset(267, 5), "\x01"), Status::Damaged},
        {"a fewest on a level never cleared", with(EntryOffset(3, 2), std::string("\x05\x00", 2)),
         Status::Damaged},
        {"a flag on a level never cleared", with(EntryOffset(3, 4), "\x01"), Status::Damaged},
    };
    for (const Case& c : cases) {
        PersonalRecords records = Sample();
        EXPECT_EQ(ReadBytes(c.bytes, records), c.status) << c.what;
        EXPECT_EQ(records, PersonalRecords{}) << c.what;
    }
}

TEST(RecordsFileTest, AStreamThatDidNotOpenTellsMissingFromUnreadable) {
    PersonalRecords records = Sample();
    errno = ENOENT;
    EXPECT_EQ(RecordsFile::Read(nullptr, records), Status::Missing);
    EXPECT_EQ(records, PersonalRecords{});
    errno = EACCES;
    EXPECT_EQ(RecordsFile::Read(nullptr, records), Status::CannotOpen);
}

class RecordsStoreTest : public ::testing::Test {
protected:
    std::string Saved(bool* exists = nullptr) const { return dir.Read("records.dat", exists); }
    RecordsStore Loaded(Status expected) const {
        RecordsStore store(dir.File("records.dat"));
        EXPECT_EQ(store.Load(), expected);
        return store;
    }

    TempDir dir;
};

TEST_F(RecordsStoreTest, AFirstRecordMakesTheFileAndALaterStartReadsIt) {
    RecordsStore store = Loaded(Status::Missing);
    EXPECT_FALSE(dir.Exists("records.dat")) << "nothing is written before a record";
    EXPECT_TRUE(store.Record(WinReport{3, 17, 15, false}));
    EXPECT_EQ(Saved(), RecordsFile::Encode(store.Records()));
    EXPECT_FALSE(dir.Exists("Rest.pa")) << "the progress file is not the records'";

    const RecordsStore again = Loaded(Status::Ok);
    EXPECT_EQ(again.Records().Of(3), (LevelRecord{17, 15, true}));
}

TEST_F(RecordsStoreTest, OnlyAChangeIsSaved) {
    RecordsStore store = Loaded(Status::Missing);
    ASSERT_TRUE(store.Record(WinReport{3, 17}));
    dir.Write("records.dat", "sentinel");
    EXPECT_FALSE(store.Record(WinReport{3, 20}));
    EXPECT_EQ(Saved(), "sentinel");
    EXPECT_TRUE(store.Record(WinReport{3, 16}));
    EXPECT_EQ(Saved(), RecordsFile::Encode(store.Records()));
}

TEST_F(RecordsStoreTest, ADamagedFileStaysUntilANewRecordReplacesIt) {
    const std::string damaged = RecordsFile::Encode(PersonalRecords{}).substr(0, 100);
    dir.Write("records.dat", damaged);
    RecordsStore store = Loaded(Status::Damaged);
    EXPECT_FALSE(store.Records().Of(1).Cleared());
    EXPECT_EQ(Saved(), damaged);
    EXPECT_TRUE(store.Record(WinReport{1, 9, WinReport::kUnknown, true}));
    EXPECT_EQ(Loaded(Status::Ok).Records().Of(1), (LevelRecord{9, WinReport::kUnknown, false}));
}

TEST_F(RecordsStoreTest, AFileOfAnotherVersionIsNeverReplaced) {
    std::string later = RecordsFile::Encode(PersonalRecords{});
    later[4] = 2;
    dir.Write("records.dat", later);
    RecordsStore store = Loaded(Status::UnknownVersion);
    EXPECT_FALSE(store.Record(WinReport{1, 9}));
    EXPECT_EQ(store.Records().Of(1).best, 9) << "the session keeps its records in memory";
    EXPECT_EQ(Saved(), later);
}

TEST_F(RecordsStoreTest, ProgressBesideTheRecordsIsLeftAlone) {
    const std::string progress = puzzle::ProgressFile::Encode({1, 4});
    dir.Write("Rest.pa", progress);
    RecordsStore store = Loaded(Status::Missing);
    ASSERT_TRUE(store.Record(WinReport{2, 5}));
    EXPECT_EQ(dir.Read("Rest.pa"), progress);
}

} // namespace
