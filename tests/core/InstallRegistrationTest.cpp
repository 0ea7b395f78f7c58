#include <gtest/gtest.h>

#include "core/InstallRegistration.h"
#include "core/RegistryKey.h"

#include "ScopedEnv.h"
#include "TempDir.h"

using namespace core;

namespace {

constexpr const char* kKey = "Software\\qelvo\\InstalledGame\\227";
constexpr const char* kKeyFile = "Software/qelvo/InstalledGame/227.reg";

class InstallRegistrationTest : public testing::Test {
protected:
    TempDir dir;
    ScopedEnv config{"XDG_CONFIG_HOME", dir.Path()};
};

TEST_F(InstallRegistrationTest, FirstStartWritesTheFourValuesAndLaterStartsKeepThem) {
    RegisterInstall(kKey, "/opt/game", "1.0", "227", "/opt/game/icon.ico");
    const std::string first = "[values]\nGamePath=/opt/game\nVersion=1.0\nGameID=227\n"
                              "GameIcon=/opt/game/icon.ico\n";
    EXPECT_EQ(dir.Read(kKeyFile), first);

    RegisterInstall(kKey, "/srv/other", "2.0", "228", "/srv/other/icon.ico");
    EXPECT_EQ(dir.Read(kKeyFile), first);
}

TEST_F(InstallRegistrationTest, ExistingKeyWithoutValuesGetsNothing) {
    dir.Write(kKeyFile, "");
    RegisterInstall(kKey, "/opt/game", "1.0", "227", "icon.ico");
    EXPECT_EQ(dir.Read(kKeyFile), "");
}

TEST_F(InstallRegistrationTest, ValuesTheStoreRefusesAreSkippedAndTheRestWritten) {
    RegisterInstall(kKey, "/opt/game", "1.0\nInjected=1", "227", "icon.ico");
    EXPECT_EQ(dir.Read(kKeyFile), "[values]\nGamePath=/opt/game\nGameID=227\nGameIcon=icon.ico\n");
}

TEST(InstallRegistrationFailureTest, UnusableLocationsAreSilent) {
    TempDir dir;
    dir.Write("file", "x");
    {
        ScopedEnv config("XDG_CONFIG_HOME", dir.File("file") + "/below");
        RegisterInstall(kKey, "/opt/game", "1.0", "227", "icon.ico");
    }
    ScopedEnv config("XDG_CONFIG_HOME", dir.Path());
    RegisterInstall("..\\escape", "/opt/game", "1.0", "227", "icon.ico");
    RegisterInstall("", "/opt/game", "1.0", "227", "icon.ico");
    EXPECT_EQ(dir.Read("file"), "x");
    EXPECT_FALSE(dir.Exists("../escape.reg"));
    EXPECT_FALSE(dir.Exists("Software"));
}

TEST(RegistryKeyTest, OpenOnlyNeedsAnExistingKeyAndWritesNeedAnOpenOne) {
    TempDir dir;
    ScopedEnv config("XDG_CONFIG_HOME", dir.Path());
    RegistryKey key;
    EXPECT_EQ(key.SetString("A", "1"), ERROR_INVALID_HANDLE);
    EXPECT_EQ(key.Open("Game", true), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(key.SetString("A", "1"), ERROR_INVALID_HANDLE);
    EXPECT_EQ(key.Open("Game", false), ERROR_SUCCESS);
    EXPECT_EQ(key.SetString("A", "1"), ERROR_SUCCESS);
    EXPECT_NE(key.SetString("B", "x\ny"), ERROR_SUCCESS);
    EXPECT_EQ(key.Open("..", false), ERROR_ACCESS_DENIED);
    EXPECT_EQ(key.SetString("A", "2"), ERROR_INVALID_HANDLE) << "a failed open left a key open";
    EXPECT_EQ(key.Open("Game", true), ERROR_SUCCESS);
    key.Close();
    EXPECT_EQ(key.SetString("A", "3"), ERROR_INVALID_HANDLE);
    EXPECT_EQ(dir.Read("Game.reg"), "[values]\nA=1\n");
}

} // namespace
