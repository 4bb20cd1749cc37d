#pragma once

#include <string>

namespace ksl {

// Whether a path names an ordinary file: not a folder, and not a hidden or system file.
class FileProbe {
  public:
    virtual ~FileProbe() = default;
    virtual bool IsOrdinaryFile(const std::string& path) = 0;
};

// This system's file system.
class SystemFileProbe final : public FileProbe {
  public:
    bool IsOrdinaryFile(const std::string& path) override;
};

}  // namespace ksl
