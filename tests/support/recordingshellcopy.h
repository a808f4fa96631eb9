#pragma once
// A shell copy that copies nothing: it records each request and answers with
// a set aborted flag; it is in use for as long as it lives.

#include "platform/shellcopy.h"

#include <string>
#include <vector>

namespace platform::test {

class RecordingShellCopy final : public ShellCopy {
public:
    struct Request {
        std::vector<std::string> sources;
        std::string destination;
    };

    RecordingShellCopy() : m_override(*this) {}
    bool copy(QWidget*, const std::vector<std::string>& sources,
              const std::string& destination) override {
        requests.push_back({sources, destination});
        return aborted;
    }

    std::vector<Request> requests;
    bool aborted = false;

private:
    Override<ShellCopy> m_override;
};

} // namespace platform::test
