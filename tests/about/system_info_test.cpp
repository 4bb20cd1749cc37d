#include "about/system_info.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "about/in_memory_registry.h"
#include "support/recording_platform.h"

namespace ksl::testing {
namespace {

class ThrowingLauncher final : public ProgramLauncher {
  public:
    bool Launch(const std::string& /*path*/) override { throw std::runtime_error("no such tool"); }
};

class StartSysInfoTest : public ::testing::Test {
  protected:
    void Start() { Start(launcher); }
    void Start(ProgramLauncher& with) {
        StartSysInfo(
            {registry, files, with, [this](std::string_view text) { told.emplace_back(text); }});
    }

    InMemoryRegistry registry;
    FakeFiles files;
    RecordingLauncher launcher;
    std::vector<std::string> told;
};

const std::vector<std::string> Unavailable{"System Information Is Unavailable At This Time"};

TEST_F(StartSysInfoTest, LaunchesTheToolsOwnEntryUnchangedWithoutLookingForTheFile) {
    registry.SetString(MsInfoKey, "PATH", "C:\\Program Files\\Tool \"x\" & y.exe");
    Start();
    EXPECT_EQ(launcher.launched, std::vector<std::string>{"C:\\Program Files\\Tool \"x\" & y.exe"});
    EXPECT_TRUE(told.empty());
}

TEST_F(StartSysInfoTest, AFailedLaunchOfTheToolsEntryIsToldAndTheSecondPlaceIsNotTried) {
    registry.SetString(MsInfoKey, "PATH", "C:\\gone.exe");
    registry.SetString(SharedToolsLocationKey, "MSINFO", "C:\\Shared");
    files.files.insert("C:\\Shared\\MSINFO32.EXE");
    launcher.succeeds = false;
    Start();
    EXPECT_EQ(launcher.launched, std::vector<std::string>{"C:\\gone.exe"});
    EXPECT_EQ(told, Unavailable);
}

TEST_F(StartSysInfoTest, FallsBackToTheSharedToolsFolderWhenTheFileIsThere) {
    registry.SetString(SharedToolsLocationKey, "MSINFO", "C:\\Shared");
    files.files.insert("C:\\Shared\\MSINFO32.EXE");
    Start();
    EXPECT_EQ(launcher.launched, std::vector<std::string>{"C:\\Shared\\MSINFO32.EXE"});
    EXPECT_TRUE(told.empty());
}

TEST_F(StartSysInfoTest, TellsThePlayerWhenTheSharedToolsFolderHasNoTool) {
    registry.SetString(SharedToolsLocationKey, "MSINFO", "C:\\Shared");
    Start();
    EXPECT_TRUE(launcher.launched.empty());
    EXPECT_EQ(told, Unavailable);
}

TEST_F(StartSysInfoTest, TellsThePlayerWhenNeitherPlaceIsInTheRegistry) {
    Start();
    EXPECT_TRUE(launcher.launched.empty());
    EXPECT_EQ(told, Unavailable);
}

TEST_F(StartSysInfoTest, AnEntryOfAnotherTypeLaunchesAnEmptyPathInsteadOfTryingFurther) {
    registry.SetValue(MsInfoKey, "PATH", RegExpandSz, {'%', 'x', '%', 0});
    registry.SetString(SharedToolsLocationKey, "MSINFO", "C:\\Shared");
    files.files.insert("C:\\Shared\\MSINFO32.EXE");
    launcher.succeeds = false;  // as starting "" does
    Start();
    EXPECT_EQ(launcher.launched, std::vector<std::string>{""});
    EXPECT_EQ(told, Unavailable);
}

TEST_F(StartSysInfoTest, AnErrorOnTheWayEndsInTheSameMessage) {
    registry.SetString(MsInfoKey, "PATH", "C:\\tool.exe");
    ThrowingLauncher throwing;
    Start(throwing);
    EXPECT_EQ(told, Unavailable);
}

TEST_F(StartSysInfoTest, PressingTwiceLaunchesTwice) {
    registry.SetString(MsInfoKey, "PATH", "C:\\tool.exe");
    Start();
    Start();
    EXPECT_EQ(launcher.launched.size(), 2U);
}

}  // namespace
}  // namespace ksl::testing
