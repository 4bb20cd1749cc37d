#include "about/system_registry.h"

#ifdef _WIN32
#include "system_info/win32_registry.h"
#else
#include <QStandardPaths>

#include "system_info/in_memory_registry.h"
#include "system_info/system_info.h"
#endif

namespace ksl {

#ifdef _WIN32

std::unique_ptr<Registry> MakeSystemRegistry() {
    return std::make_unique<Win32Registry>();
}

#else

std::unique_ptr<Registry> MakeSystemRegistry() {
    auto registry = std::make_unique<InMemoryRegistry>();
    for (const char* tool : {"kinfocenter", "hardinfo2", "hardinfo"}) {
        const QString path = QStandardPaths::findExecutable(QString::fromLatin1(tool));
        if (!path.isEmpty()) {
            registry->SetString(MsInfoKey, "PATH", path.toLocal8Bit().toStdString());
            break;
        }
    }
    return registry;
}

#endif

}  // namespace ksl
