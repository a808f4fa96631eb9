#pragma once
// A copy client that answers from a script and records what it was asked.
// Questions beyond the script are answered "cancel", so that a test never loops.

#include "platform/copyengine.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace platform::test {

class ScriptedCopyClient : public CopyClient {
public:
    struct Asked {
        std::string name;
        bool onlyFile;
        FileFacts existing;
    };
    struct Failed {
        std::string name;
        CopyError error;
    };

    std::deque<Replace> replies;
    std::deque<OnError> onErrors;
    // Cancels once this many bytes of a file are copied.
    std::optional<std::uint64_t> cancelAfter;

    std::vector<Asked> asked;
    std::vector<Failed> failures;
    std::vector<std::string> placed; // names of the jobs put in place

    Replace replace(const CopyJob& job, const FileFacts& existing, const FileFacts&,
                    bool onlyFile) override {
        asked.push_back({job.name, onlyFile, existing});
        return next(replies, Replace::Cancel);
    }
    OnError failed(const CopyJob& job, const CopyError& error) override {
        failures.push_back({job.name, error});
        return next(onErrors, OnError::Cancel);
    }
    void copied(std::uint64_t bytes) override {
        m_cancelled = m_cancelled || (cancelAfter && bytes >= *cancelAfter);
    }
    bool cancelled() override { return m_cancelled; }
    void finished(const CopyJob& job) override { placed.push_back(job.name); }

private:
    template <typename Answer> static Answer next(std::deque<Answer>& script, Answer otherwise) {
        if (script.empty())
            return otherwise;
        const Answer answer = script.front();
        script.pop_front();
        return answer;
    }

    bool m_cancelled = false;
};

} // namespace platform::test
