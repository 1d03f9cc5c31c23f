#pragma once
// INI files for tests: the codec of ini_codec.h over real files. Each Windows path is mapped onto a host
// path by the function given (MemoryFiles::HostPath in the test platform); every call reads the whole
// file and a change replaces it through a temporary file in the same folder, as a profile write
// rewrites the file on every call.
#include <functional>
#include <string>

#include "platform/faults_memory.h"
#include "platform/ini_codec.h"
#include "platform/ini_files.h"

namespace kolvane {

class MemoryIniFiles : public IniFiles {
public:
    using PathMap = std::function<std::string(const std::string& windowsPath)>;
    explicit MemoryIniFiles(PathMap hostPath);

    std::string Read(const std::string& path, const std::string& section, const std::string& key) override;
    bool Write(const std::string& path, const std::string& section, const std::string& key,
               const std::string& value) override;
    bool DeleteKey(const std::string& path, const std::string& section, const std::string& key) override;
    bool DeleteSection(const std::string& path, const std::string& section) override;

    FaultInjector* faults = nullptr;  // asked before every profile write

private:
    // Loads the file (missing: empty), applies the edit and stores a changed file; false when the
    // edit is refused or the file cannot be read or replaced.
    bool Edit(const std::string& path, const std::function<IniEdit(IniDocument&)>& edit);

    PathMap hostPath_;
};

}  // namespace kolvane
