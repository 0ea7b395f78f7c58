#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

#include "game/PersonalRecords.h"

namespace game {

// The personal records file, records.dat: a fixed-size, little-endian layout of 1610 bytes.
//
//   offset  size  field
//        0     4  magic 0x43524D54 ("TMRC" in file order)
//        4     2  version, 1
//        6     2  level count, 267
//        8  267x6 one entry per level, level 1 first:
//                   2  best steps; 0 when the level was never cleared
//                   2  fewest steps possible; 0xFFFF when unknown
//                   1  flags: bit 0 set once a clear was made without a hint; other bits 0
//                   1  zero
//
// A level never cleared has an unknown fewest and no flag; a known fewest lies in 1..best.
class RecordsFile {
public:
    static constexpr std::uint32_t kMagic = 0x43524D54;
    static constexpr std::uint16_t kVersion = 1;
    static constexpr int kHeaderBytes = 8;
    static constexpr int kEntryBytes = 6;
    static constexpr int kFileBytes = kHeaderBytes + puzzle::kLevelCount * kEntryBytes;
    static constexpr std::uint16_t kUnknownFewest = 0xFFFF;
    static constexpr std::uint8_t kUnassistedFlag = 0x01;

    enum class Status {
        Ok,
        // No file: the player has no records yet.
        Missing,
        // A file that could not be opened or read.
        CannotOpen,
        // Another magic, a level count other than 267, a file of another size or a value out of
        // range.
        Damaged,
        // A version this game does not know, perhaps written by a later one.
        UnknownVersion,
    };

    // Reads the whole file from an open stream, which the caller keeps. `records` holds what
    // was read when the status is Ok and no records otherwise. A null stream is a file that
    // could not be opened: Missing when errno tells that the open found no file, CannotOpen
    // otherwise.
    static Status Read(std::FILE* file, PersonalRecords& records);

    // The kFileBytes bytes of a file holding `records`.
    static std::string Encode(const PersonalRecords& records);
};

} // namespace game
