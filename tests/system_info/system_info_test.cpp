#include "system_info/system_info.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "support/recording_platform.h"
#include "system_info/in_memory_registry.h"

namespace ksl::testing {
namespace {

class ThrowingLauncher final : public ProgramLauncher {
  public:
    bool Launch(const std::string& /*path*/) override { throw std::runtime_error("no such tool"); }
};

class StartSysInfoTest : public ::testing::Test {
  protected:
    // Whether the tool was started; when not, the player is told that it is unavailable.
    bool Start() { return Start(launcher); }
    bool Start(ProgramLauncher& with) { return StartSysInfo({registry, files, with}); }

    InMemoryRegistry registry;
    FakeFiles files;
    RecordingLauncher launcher;
};

TEST_F(StartSysInfoTest, LaunchesTheToolsOwnEntryUnchangedWithoutLookingForTheFile) {
    registry.SetString(MsInfoKey, "PATH", "C:\\Program Files\\Tool \"x\" & y.exe");
    EXPECT_TRUE(Start());
    EXPECT_EQ(launcher.launched, std::vector<std::string>{"C:\\Program Files\\Tool \"x\" & y.exe"});
}

TEST_F(StartSysInfoTest, AFailedLaunchOfTheToolsEntryIsToldAndTheSecondPlaceIsNotTried) {
    registry.SetString(MsInfoKey, "PATH", "C:\\gone.exe");
    registry.SetString(SharedToolsLocationKey, "MSINFO", "C:\\Shared");
    files.files.insert("C:\\Shared\\MSINFO32.EXE");
    launcher.succeeds = false;
    EXPECT_FALSE(Start());
    EXPECT_EQ(launcher.launched, std::vector<std::string>{"C:\\gone.exe"});
}

TEST_F(StartSysInfoTest, FallsBackToTheSharedToolsFolderWhenTheFileIsThere) {
    registry.SetString(SharedToolsLocationKey, "MSINFO", "C:\\Shared");
    files.files.insert("C:\\Shared\\MSINFO32.EXE");
    EXPECT_TRUE(Start());
    EXPECT_EQ(launcher.launched, std::vector<std::string>{"C:\\Shared\\MSINFO32.EXE"});
}

TEST_F(StartSysInfoTest, TellsThePlayerWhenTheSharedToolsFolderHasNoTool) {
    registry.SetString(SharedToolsLocationKey, "MSINFO", "C:\\Shared");
    EXPECT_FALSE(Start());
    EXPECT_TRUE(launcher.launched.empty());
}

TEST_F(StartSysInfoTest, TellsThePlayerWhenNeitherPlaceIsInTheRegistry) {
    EXPECT_FALSE(Start());
    EXPECT_TRUE(launcher.launched.empty());
}

TEST_F(StartSysInfoTest, AnEntryOfAnotherTypeLaunchesAnEmptyPathInsteadOfTryingFurther) {
    registry.SetValue(MsInfoKey, "PATH", RegExpandSz, {'%', 'x', '%', 0});
    registry.SetString(SharedToolsLocationKey, "MSINFO", "C:\\Shared");
    files.files.insert("C:\\Shared\\MSINFO32.EXE");
    launcher.succeeds = false;  // as starting "" does
    EXPECT_FALSE(Start());
    EXPECT_EQ(launcher.launched, std::vector<std::string>{""});
}

TEST_F(StartSysInfoTest, AnErrorOnTheWayEndsInTheSameMessage) {
    registry.SetString(MsInfoKey, "PATH", "C:\\tool.exe");
    ThrowingLauncher throwing;
    EXPECT_FALSE(Start(throwing));
}

TEST_F(StartSysInfoTest, PressingTwiceLaunchesTwice) {
    registry.SetString(MsInfoKey, "PATH", "C:\\tool.exe");
    EXPECT_TRUE(Start());
    EXPECT_TRUE(Start());
    EXPECT_EQ(launcher.launched.size(), 2U);
}

}  // namespace
}  // namespace ksl::testing
