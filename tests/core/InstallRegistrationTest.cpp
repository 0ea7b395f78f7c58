#include <gtest/gtest.h>

#include "core/InstallRegistration.h"
#include "core/RegistryKey.h"

#include "OnWindows.h"
#include "ScopedEnv.h"
#include "TempDir.h"
#include "TestRegistryKey.h"
#include "platform/RegistryStore.h"

using namespace core;

namespace {

constexpr const char* kKey = "Software\\qelvo\\InstalledGame\\227";
constexpr const char* kKeyFile = "Software/qelvo/InstalledGame/227.reg";
constexpr const char* kFileStore = "the file-backed store of Linux; Windows has its registry";

class InstallRegistrationTest : public testing::Test {
protected:
    std::string Value(const char* name) const {
        std::string value = "<missing>";
        store.GetString(key, name, value);
        return value;
    }

    TempDir dir;
    ScopedEnv config{"XDG_CONFIG_HOME", dir.Path()};
    platform::RegistryStore store;
    const std::string key = TestRegistryKey(kKey);
};

TEST_F(InstallRegistrationTest, FirstStartWritesTheFourValuesAndLaterStartsKeepThem) {
    RegisterInstall(store, key, "/opt/game", "1.0", "227", "/opt/game/icon.ico");
    const auto expectFirst = [this] {
        EXPECT_EQ(Value("GamePath"), "/opt/game");
        EXPECT_EQ(Value("Version"), "1.0");
        EXPECT_EQ(Value("GameID"), "227");
        EXPECT_EQ(Value("GameIcon"), "/opt/game/icon.ico");
    };
    expectFirst();
    const std::string first = "[values]\nGamePath=/opt/game\nVersion=1.0\nGameID=227\n"
                              "GameIcon=/opt/game/icon.ico\n";
    if (!kOnWindows) {
        EXPECT_EQ(dir.Read(kKeyFile), first);
    }

    RegisterInstall(store, key, "/srv/other", "2.0", "228", "/srv/other/icon.ico");
    expectFirst();
}

TEST_F(InstallRegistrationTest, ExistingKeyWithoutValuesGetsNothing) {
    ASSERT_TRUE(store.CreateKey(key));
    RegisterInstall(store, key, "/opt/game", "1.0", "227", "icon.ico");
    EXPECT_EQ(Value("GamePath"), "<missing>");
    EXPECT_EQ(Value("GameID"), "<missing>");
}

TEST_F(InstallRegistrationTest, ValuesTheStoreRefusesAreSkippedAndTheRestWritten) {
    SKIP_ON_WINDOWS(kFileStore);
    RegisterInstall(store, kKey, "/opt/game", "1.0\nInjected=1", "227", "icon.ico");
    EXPECT_EQ(dir.Read(kKeyFile), "[values]\nGamePath=/opt/game\nGameID=227\nGameIcon=icon.ico\n");
}

TEST(InstallRegistrationFailureTest, UnusableLocationsAreSilent) {
    SKIP_ON_WINDOWS(kFileStore);
    TempDir dir;
    dir.Write("file", "x");
    platform::RegistryStore store;
    {
        ScopedEnv config("XDG_CONFIG_HOME", dir.File("file") + "/below");
        RegisterInstall(store, kKey, "/opt/game", "1.0", "227", "icon.ico");
    }
    ScopedEnv config("XDG_CONFIG_HOME", dir.Path());
    RegisterInstall(store, "..\\escape", "/opt/game", "1.0", "227", "icon.ico");
    RegisterInstall(store, "", "/opt/game", "1.0", "227", "icon.ico");
    EXPECT_EQ(dir.Read("file"), "x");
    EXPECT_FALSE(dir.Exists("../escape.reg"));
    EXPECT_FALSE(dir.Exists("Software"));
}

TEST(RegistryKeyTest, OpenOnlyNeedsAnExistingKeyAndWritesNeedAnOpenOne) {
    TempDir dir;
    ScopedEnv config("XDG_CONFIG_HOME", dir.Path());
    const std::string game = TestRegistryKey("Game");
    platform::RegistryStore store;
    RegistryKey key(store);
    EXPECT_EQ(key.SetString("A", "1"), RegistryResult::NotOpen);
    EXPECT_EQ(key.Open(game, true), RegistryResult::NotFound);
    EXPECT_EQ(key.SetString("A", "1"), RegistryResult::NotOpen);
    EXPECT_EQ(key.Open(game, false), RegistryResult::Ok);
    EXPECT_EQ(key.SetString("A", "1"), RegistryResult::Ok);
    EXPECT_EQ(key.Open("", false), RegistryResult::AccessDenied);
    EXPECT_EQ(key.SetString("A", "2"), RegistryResult::NotOpen) << "a failed open left a key open";
    EXPECT_EQ(key.Open(game, true), RegistryResult::Ok);
    key.Close();
    EXPECT_EQ(key.SetString("A", "3"), RegistryResult::NotOpen);
    std::string value;
    EXPECT_TRUE(store.GetString(game, "A", value));
    EXPECT_EQ(value, "1");
    if (!kOnWindows) {
        EXPECT_EQ(dir.Read("Game.reg"), "[values]\nA=1\n");
    }
}

} // namespace
