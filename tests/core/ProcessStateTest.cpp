#include <gtest/gtest.h>

#include "core/ProcessState.h"

namespace {

TEST(ProcessStateTest, DirectoryKeepsExactlyOneTrailingSeparator) {
    EXPECT_EQ(DirectoryWithSeparator("/opt/game/tovak-marudo"), "/opt/game/");
    EXPECT_EQ(DirectoryWithSeparator("/opt/game//tovak-marudo"), "/opt/game/");
    EXPECT_EQ(DirectoryWithSeparator("/tovak-marudo"), "/");
    EXPECT_EQ(DirectoryWithSeparator("C:\\Games\\run.exe"), "C:\\Games\\");
    EXPECT_EQ(DirectoryWithSeparator("tovak-marudo"), "");
}

TEST(ProcessStateTest, ExecutablePathsPointAtTheRunningProgram) {
    const std::string savedDir = exeDir;
    ComputeExecutablePaths();
    EXPECT_NE(exePath.find("core_tests"), std::string::npos) << exePath;
    EXPECT_EQ(exePath.rfind(exeDir, 0), 0u);
    EXPECT_EQ(exeDir.back(), '/');
    exeDir = savedDir;
}

} // namespace
