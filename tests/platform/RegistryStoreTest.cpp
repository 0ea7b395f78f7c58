#include <gtest/gtest.h>

#include "platform/RegistryStore.h"

#include "OnWindows.h"
#include "ScopedEnv.h"
#include "TempDir.h"
#include "TestRegistryKey.h"

#include <filesystem>

namespace {

using platform::RegistryStore;

constexpr const char* kKey = "Software\\qelvo\\InstalledGame\\227";
constexpr const char* kKeyFile = "Software/qelvo/InstalledGame/227.reg";
constexpr const char* kFileStore = "the file-backed store of Linux; Windows has its registry";

class RegistryStoreTest : public testing::Test {
protected:
    std::string Get(std::string_view key, std::string_view name) {
        std::string value = "<missing>";
        store.GetString(key, name, value);
        return value;
    }

    TempDir dir;
    ScopedEnv config{"XDG_CONFIG_HOME", dir.Path()};
    RegistryStore store;
};

// A player's path with characters beyond ASCII, a value replaced, an empty one, a key made twice.
TEST_F(RegistryStoreTest, KeysHoldStringValuesExactly) {
    const std::string key = TestRegistryKey(kKey);
    const std::string path = "C:\\Users\\\xE5\xBC\xA0\xE4\xBC\x9F\\Games\\tovak-marudo.exe";
    EXPECT_FALSE(store.KeyExists(key));
    EXPECT_FALSE(store.SetString(key, "GamePath", path)) << "a missing key was written";
    ASSERT_TRUE(store.CreateKey(key));
    EXPECT_TRUE(store.KeyExists(key));
    EXPECT_TRUE(store.SetString(key, "GamePath", "first"));
    EXPECT_TRUE(store.SetString(key, "GamePath", path));
    EXPECT_TRUE(store.SetString(key, "Empty", ""));
    EXPECT_EQ(Get(key, "GamePath"), path);
    EXPECT_EQ(Get(key, "Empty"), "");
    EXPECT_EQ(Get(key, "Missing"), "<missing>");
    EXPECT_TRUE(store.CreateKey(key)) << "creating an existing key";
    EXPECT_EQ(Get(key, "GamePath"), path) << "creating an existing key emptied it";
}

TEST_F(RegistryStoreTest, KeyIsAFileBelowTheConfigFolderHoldingItsValues) {
    SKIP_ON_WINDOWS(kFileStore);
    EXPECT_FALSE(store.KeyExists(kKey));
    EXPECT_FALSE(store.SetString(kKey, "GamePath", "/opt/game")) << "a missing key was written";
    ASSERT_TRUE(store.CreateKey(kKey));
    EXPECT_TRUE(store.KeyExists(kKey));
    bool exists = false;
    EXPECT_EQ(dir.Read(kKeyFile, &exists), "");
    EXPECT_TRUE(exists);

    EXPECT_TRUE(store.SetString(kKey, "GamePath", "/opt/my game/ a=b "));
    EXPECT_TRUE(store.SetString(kKey, "Version", "1.0"));
    EXPECT_TRUE(store.SetString(kKey, "GamePath", "/srv/game"));
    EXPECT_EQ(dir.Read(kKeyFile), "[values]\nGamePath=/srv/game\nVersion=1.0\n");
    EXPECT_TRUE(store.SetString(kKey, "Empty", ""));
    EXPECT_EQ(Get(kKey, "Empty"), "");
    EXPECT_EQ(Get(kKey, "Version"), "1.0");
    EXPECT_EQ(Get(kKey, "version"), "<missing>");
    EXPECT_TRUE(store.CreateKey(kKey)) << "creating an existing key";
    EXPECT_EQ(Get(kKey, "GamePath"), "/srv/game") << "creating an existing key emptied it";
}

TEST_F(RegistryStoreTest, ValuesKeepTheirExactTextAndForeignLinesAreIgnored) {
    SKIP_ON_WINDOWS(kFileStore);
    dir.Write("Tools.reg",
              "; note\r\nStray=1\r\n[values]\r\nA= spaced = text \r\n=x\r\nnoequals\r\n"
              "[other]\r\nB=2\r\n[values]\r\nC=3\r\nA=last");
    EXPECT_EQ(Get("Tools", "A"), "last");
    EXPECT_EQ(Get("Tools", "C"), "3");
    EXPECT_EQ(Get("Tools", "Stray"), "<missing>");
    EXPECT_EQ(Get("Tools", "B"), "<missing>");
    EXPECT_TRUE(store.SetString("Tools", "C", " spaced = text "));
    EXPECT_EQ(Get("Tools", "C"), " spaced = text ");
    EXPECT_EQ(Get("Tools", "A"), "last");
}

TEST_F(RegistryStoreTest, LineBreakingNamesAndValuesAreRefused) {
    SKIP_ON_WINDOWS(kFileStore);
    ASSERT_TRUE(store.CreateKey("K"));
    EXPECT_FALSE(store.SetString("K", "A", "one\ntwo"));
    EXPECT_FALSE(store.SetString("K", "A", "one\rtwo"));
    EXPECT_FALSE(store.SetString("K", "A", std::string("one\0two", 7)));
    for (const std::string_view name : {"", "A=B", "A\nB", "[values]"}) {
        EXPECT_FALSE(store.SetString("K", name, "v")) << name;
    }
    EXPECT_EQ(dir.Read("K.reg"), "");
}

TEST_F(RegistryStoreTest, PathsLeavingTheStoreAreRefused) {
    SKIP_ON_WINDOWS(kFileStore);
    const std::string_view bad[] = {
        "",    "\\Software",   "Software\\",          "Software\\\\x",
        "..",  "Software\\..", "..\\..\\escape",      ".\\x",
        "a/b", "../escape",    "Software\\a/../../x", std::string_view("a\0b", 3)};
    for (const std::string_view key : bad) {
        EXPECT_FALSE(store.CreateKey(key)) << key;
        EXPECT_FALSE(store.KeyExists(key)) << key;
        EXPECT_FALSE(store.SetString(key, "A", "1")) << key;
    }
    EXPECT_TRUE(std::filesystem::is_empty(dir.Path())) << "something was created";
    EXPECT_FALSE(std::filesystem::exists(dir.Path() + "../escape.reg"));
}

TEST(RegistryStoreRootTest, ConfigFolderFallsBackToHomeAndFailsWithoutOne) {
    SKIP_ON_WINDOWS(kFileStore);
    TempDir home;
    RegistryStore store;
    {
        ScopedEnv homeEnv("HOME", home.Path());
        for (const char* config : {"", "relative/config"}) {
            ScopedEnv configEnv("XDG_CONFIG_HOME", std::string(config));
            EXPECT_TRUE(store.CreateKey("A\\B")) << config;
        }
        ScopedEnv unset("XDG_CONFIG_HOME", std::nullopt);
        EXPECT_TRUE(store.KeyExists("A\\B"));
        EXPECT_TRUE(home.Exists(".config/A/B.reg"));
    }
    ScopedEnv noConfig("XDG_CONFIG_HOME", std::nullopt);
    ScopedEnv noHome("HOME", std::nullopt);
    EXPECT_FALSE(store.CreateKey("A\\B"));
    EXPECT_FALSE(store.KeyExists("A\\B"));
}

TEST(RegistryStoreRootTest, UnwritableLocationFailsCleanly) {
    SKIP_ON_WINDOWS(kFileStore);
    TempDir dir;
    dir.Write("file", "x");
    ScopedEnv config("XDG_CONFIG_HOME", dir.File("file") + "/below");
    RegistryStore store;
    EXPECT_FALSE(store.CreateKey("A\\B"));
    EXPECT_FALSE(store.KeyExists("A\\B"));
    EXPECT_FALSE(store.SetString("A\\B", "N", "v"));
    std::string value;
    EXPECT_FALSE(store.GetString("A\\B", "N", value));
    EXPECT_EQ(dir.Read("file"), "x");
}

} // namespace
