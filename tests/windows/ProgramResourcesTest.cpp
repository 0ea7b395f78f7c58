// The game program's resources as Windows reads them: the icon Explorer and the window show, the
// Alt+Enter key, the manifest and the version in the file's properties.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "IconPixels.h"
#include "ProgramModule.h"

namespace {

constexpr int kIconGroup = 108;
constexpr int kAccelerators = 102;
constexpr WORD kToggleFullScreen = 1002;
// CREATEPROCESS_MANIFEST_RESOURCE_ID: the manifest Windows reads when the program starts.
constexpr int kProcessManifest = 1;

const std::wstring kProgram = ProgramModule::GameProgram();

#pragma pack(push, 2)
// The icon group's directory, as resource compilers write it.
struct GroupHeader {
    WORD reserved;
    WORD type;
    WORD count;
};
struct GroupEntry {
    BYTE width;
    BYTE height;
    BYTE colours;
    BYTE reserved;
    WORD planes;
    WORD bitCount;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

std::vector<GroupEntry> IconGroup(const ProgramModule& program) {
    const std::string group = program.Resource(RT_GROUP_ICON, kIconGroup);
    std::vector<GroupEntry> entries;
    if (group.size() < sizeof(GroupHeader)) {
        return entries;
    }
    GroupHeader header;
    std::memcpy(&header, group.data(), sizeof header);
    if (group.size() < sizeof header + header.count * sizeof(GroupEntry)) {
        return entries;
    }
    entries.resize(header.count);
    std::memcpy(entries.data(), group.data() + sizeof header, header.count * sizeof(GroupEntry));
    return entries;
}

TEST(ProgramResources, TheIconHoldsEverySizeWindowsShowsAndEachLoads) {
    const ProgramModule program(kProgram);
    ASSERT_NE(program.Handle(), nullptr) << "cannot open the program";
    std::set<int> sizes;
    for (const GroupEntry& entry : IconGroup(program)) {
        sizes.insert(entry.width == 0 ? 256 : entry.width);
        EXPECT_EQ(entry.width, entry.height);
        EXPECT_EQ(entry.bitCount, 32);
    }
    EXPECT_EQ(sizes, (std::set<int>{16, 24, 32, 48, 64, 128, 256}));
    for (const int size : sizes) {
        const IconPixels pixels =
            IconPixels::OfPicture(program.IconPicture(kIconGroup, size), size);
        EXPECT_EQ(pixels.width, size);
        EXPECT_EQ(pixels.height, size);
        // The seal is square and whole: its middle is drawn, not transparent.
        if (pixels.width == size) {
            EXPECT_EQ(pixels.argb[size / 2 * size + size / 2] >> 24, 0xFFu) << size;
        }
    }
    // The game puts the icon on its window by this id.
    HANDLE byId = ::LoadImageW(program.Handle(), MAKEINTRESOURCEW(kIconGroup), IMAGE_ICON, 64, 64,
                               LR_DEFAULTCOLOR);
    EXPECT_EQ(IconPixels::Of(static_cast<HICON>(byId)).width, 64);
    ::DestroyIcon(static_cast<HICON>(byId));
}

TEST(ProgramResources, AltEnterIsTheOnlyKeyAndTogglesFullScreen) {
    const ProgramModule program(kProgram);
    HACCEL table = ::LoadAcceleratorsW(program.Handle(), MAKEINTRESOURCEW(kAccelerators));
    ASSERT_NE(table, nullptr);
    ACCEL keys[4];
    const int count = ::CopyAcceleratorTableW(table, keys, 4);
    ::DestroyAcceleratorTable(table);
    ASSERT_EQ(count, 1);
    EXPECT_EQ(keys[0].fVirt & ~FNOINVERT, FVIRTKEY | FALT);
    EXPECT_EQ(keys[0].key, VK_RETURN);
    EXPECT_EQ(keys[0].cmd, kToggleFullScreen);
}

TEST(ProgramResources, TheManifestAsksForPerMonitorScaleUtf8AndNoElevation) {
    const ProgramModule program(kProgram);
    const std::string manifest = program.Resource(RT_MANIFEST, kProcessManifest);
    ASSERT_FALSE(manifest.empty());
    for (const char* part :
         {"<?xml version=\"1.0\"", "level=\"asInvoker\"",
          "<supportedOS Id=\"{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}\"/>", ">true/pm</dpiAware>",
          ">PerMonitorV2</dpiAwareness>", ">UTF-8</activeCodePage>", "</assembly>"}) {
        EXPECT_NE(manifest.find(part), std::string::npos) << part;
    }
    // The loader reads only the first manifest a program has.
    EXPECT_EQ(program.Languages(RT_MANIFEST, kProcessManifest), 1);
}

// A value of the version's US English strings; its characters are all ASCII.
std::string VersionString(const std::vector<char>& block, const wchar_t* name) {
    const std::wstring path = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
    void* value = nullptr;
    UINT length = 0;
    if (!::VerQueryValueW(block.data(), path.c_str(), &value, &length) || length == 0) {
        return {};
    }
    const auto* text = static_cast<const wchar_t*>(value);
    return std::string(text, text + length - 1);
}

TEST(ProgramResources, TheVersionNamesTheGameAndItsRelease) {
    // One version resource: a library's linked into the program would shadow the game's.
    EXPECT_EQ(ProgramModule(kProgram).Languages(RT_VERSION, 1), 1);
    DWORD ignored = 0;
    std::vector<char> block(::GetFileVersionInfoSizeW(kProgram.c_str(), &ignored));
    ASSERT_FALSE(block.empty());
    ASSERT_TRUE(
        ::GetFileVersionInfoW(kProgram.c_str(), 0, static_cast<DWORD>(block.size()), block.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(::VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(TM_VERSION_MINOR, TM_VERSION_MAJOR));
    EXPECT_EQ(fixed->dwProductVersionMS, fixed->dwFileVersionMS);
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
    EXPECT_EQ(VersionString(block, L"ProductName"), "Tovak Marudo");
    EXPECT_EQ(VersionString(block, L"FileDescription"), "Tovak Marudo");
    EXPECT_EQ(VersionString(block, L"CompanyName"), "Tovak Marudo developers");
    EXPECT_EQ(VersionString(block, L"OriginalFilename"), "tovak-marudo.exe");
    EXPECT_EQ(VersionString(block, L"ProductVersion"), TM_VERSION);
    EXPECT_EQ(VersionString(block, L"FileVersion"), TM_VERSION);
}

} // namespace
