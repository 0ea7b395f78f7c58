#pragma once

#include "Colour.h"

// The game's look in one place: warm parchment, dark lacquered wood, ink, cinnabar seals and gold
// trim; each faction its colour. Every painter takes its colours from here so the screens match.
namespace assetgen::theme {

inline constexpr Colour kParchment = Colour::Hex(0xEAD9B0);
inline constexpr Colour kParchmentLight = Colour::Hex(0xF5EBCF);
inline constexpr Colour kParchmentDark = Colour::Hex(0xC9AE7A);
inline constexpr Colour kWood = Colour::Hex(0x4A2414);
inline constexpr Colour kWoodDark = Colour::Hex(0x2A120A);
inline constexpr Colour kWoodLight = Colour::Hex(0x74391F);
inline constexpr Colour kInk = Colour::Hex(0x1E1A17);
inline constexpr Colour kInkWash = Colour::Hex(0x5D6264);
inline constexpr Colour kCinnabar = Colour::Hex(0xB8321F);
inline constexpr Colour kCinnabarDark = Colour::Hex(0x7E1E12);
inline constexpr Colour kGold = Colour::Hex(0xD4A843);
inline constexpr Colour kGoldLight = Colour::Hex(0xF3D98A);
inline constexpr Colour kGoldDark = Colour::Hex(0x8C6A22);
inline constexpr Colour kJade = Colour::Hex(0x3E7C5A);

// Faction colours for the generals' cards.
inline constexpr Colour kWei = Colour::Hex(0x2F4F86); // 曹操, 夏侯惇, 夏侯渊
inline constexpr Colour kShu = Colour::Hex(0x2E6B3A); // 关羽, 张飞, 赵云, 马超, 黄忠, 魏延
inline constexpr Colour kWu = Colour::Hex(0x9E2B25);    // 孙坚, 黄盖, 陆逊, 太史慈
inline constexpr Colour kOther = Colour::Hex(0x5B3A6E); // 董卓, 袁绍, 孟获, 章邯
inline constexpr Colour kSoldier = Colour::Hex(0x6B5A45);
// The 2x2 block is Cao Cao's card: every drawing of it, and the help's words, show it in his
// faction's blue.
inline constexpr Colour kBigBlock = kWei;

} // namespace assetgen::theme
