#pragma once
// A launcher that opens nothing and records what it was asked to open; it is
// in use for as long as it lives.

#include "platform/launcher.h"

#include <string>
#include <vector>

namespace platform::test {

class RecordingLauncher final : public Launcher {
public:
    RecordingLauncher() : m_override(*this) {}
    void openFile(const std::string& programPath) override { opened.push_back(programPath); }

    std::vector<std::string> opened;

private:
    Override<Launcher> m_override;
};

} // namespace platform::test
