#include "about/qt_program_launcher.h"

#include <QProcess>
#include <QString>

namespace ksl {

bool QtProgramLauncher::Launch(const std::string& path) {
    if (path.empty()) {
        return false;
    }
    return QProcess::startDetached(
        QString::fromLocal8Bit(path.data(), static_cast<qsizetype>(path.size())), {});
}

}  // namespace ksl
