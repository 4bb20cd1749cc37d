// The program's own pieces for a system without a registry: the stand-in registry that points at
// the desktop's information tool, the launcher and the file test.
#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include "about/qt_program_launcher.h"
#include "about/system_registry.h"
#include "system_info/file_probe.h"
#include "system_info/get_key_value.h"
#include "system_info/system_info.h"

namespace ksl {
namespace {

// Puts `folder` alone on the search path for one test.
class SearchPath {
  public:
    explicit SearchPath(const QString& folder) : saved_(qgetenv("PATH")) {
        qputenv("PATH", folder.toLocal8Bit());
    }
    ~SearchPath() { qputenv("PATH", saved_); }

  private:
    QByteArray saved_;
};

QString MakeExecutable(const QString& path, const QByteArray& script = "#!/bin/sh\n") {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(script);
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

std::string ToolEntry(Registry& registry) {
    std::string path;
    return GetKeyValue(registry, HKeyLocalMachine, MsInfoKey, "PATH", path) ? path : "<none>";
}

TEST(DesktopSystemInfo, TheStandInPointsAtTheFirstToolFoundOnTheSearchPath) {
    QTemporaryDir folder;
    MakeExecutable(folder.filePath("hardinfo"));
    MakeExecutable(folder.filePath("hardinfo2"));
    const SearchPath path(folder.path());
    const auto registry = MakeSystemRegistry();
    EXPECT_EQ(ToolEntry(*registry), folder.filePath("hardinfo2").toStdString());

    MakeExecutable(folder.filePath("kinfocenter"));
    EXPECT_EQ(ToolEntry(*MakeSystemRegistry()), folder.filePath("kinfocenter").toStdString());
}

TEST(DesktopSystemInfo, TheStandInHoldsNothingWhenNoToolIsInstalled) {
    QTemporaryDir folder;
    const SearchPath path(folder.path());
    const auto registry = MakeSystemRegistry();
    EXPECT_EQ(ToolEntry(*registry), "<none>");
}

TEST(DesktopSystemInfo, TheLauncherStartsAPathWithShellCharactersAsOnePath) {
    QTemporaryDir folder;
    const QString marker = folder.filePath("started");
    const QString tool = MakeExecutable(folder.filePath("it's a \"tool\"; $(rm -rf x) & y"),
                                        "#!/bin/sh\ntouch '" + marker.toLocal8Bit() + "'\n");
    QtProgramLauncher launcher;
    ASSERT_TRUE(launcher.Launch(tool.toStdString()));
    // The launcher does not wait for the tool; give the tool itself a bounded time to run.
    QElapsedTimer waited;
    waited.start();
    while (!QFile::exists(marker) && waited.elapsed() < 10'000) {
        QThread::msleep(10);
    }
    EXPECT_TRUE(QFile::exists(marker));
}

TEST(DesktopSystemInfo, TheLauncherReportsWhatCannotBeStarted) {
    QtProgramLauncher launcher;
    EXPECT_FALSE(launcher.Launch(""));
    EXPECT_FALSE(launcher.Launch("/nonexistent/system information"));
}

TEST(DesktopSystemInfo, OnlyOrdinaryVisibleFilesCount) {
    QTemporaryDir folder;
    MakeExecutable(folder.filePath("MSINFO32.EXE"));
    MakeExecutable(folder.filePath(".hidden"));
    QDir(folder.path()).mkdir("folder");
    SystemFileProbe files;
    EXPECT_TRUE(files.IsOrdinaryFile(folder.filePath("MSINFO32.EXE").toStdString()));
    EXPECT_FALSE(files.IsOrdinaryFile(folder.filePath(".hidden").toStdString()));
    EXPECT_FALSE(files.IsOrdinaryFile(folder.filePath("folder").toStdString()));
    EXPECT_FALSE(files.IsOrdinaryFile(folder.filePath("missing").toStdString()));
}

}  // namespace
}  // namespace ksl
