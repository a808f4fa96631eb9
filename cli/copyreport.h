#pragma once
// The copy client of tessivar-cli: no questions asked. Each file put in place,
// kept or failed is reported as a line; progress goes to a terminal. A file
// listed twice is copied once, and its second listing is no conflict.

#include "platform/copyengine.h"

#include <chrono>
#include <map>
#include <ostream>

namespace cli {

class CopyReport final : public platform::CopyClient {
public:
    // `progress`: where progress is drawn, or nullptr for none.
    CopyReport(std::ostream& out, std::ostream* progress, bool overwrite);
    ~CopyReport() override;

    void planned(const std::vector<platform::CopyJob>& jobs) override;
    void starting(std::size_t job) override;
    void copied(std::uint64_t bytes) override;
    void finished(const platform::CopyJob& job) override;
    Replace replace(const platform::CopyJob& job, const platform::FileFacts& existing,
                    const platform::FileFacts& incoming, bool onlyFile) override;
    OnError failed(const platform::CopyJob& job, const platform::CopyError& error) override;

    // Every file was put in place: none kept, none failed.
    bool allPlaced() const { return m_problems == 0; }

private:
    void report(const char* outcome, const std::string& programPath,
                const std::string& reason = {});
    void drawProgress(std::uint64_t bytes, bool now);
    void clearProgress();

    std::ostream& m_out;
    std::ostream* m_progress;
    bool m_overwrite;
    const std::vector<platform::CopyJob>* m_jobs = nullptr;
    std::size_t m_current = 0;
    std::size_t m_problems = 0;
    std::map<std::string, std::string> m_placedFrom; // host target -> host source
    std::chrono::steady_clock::time_point m_lastDrawn;
};

// The program path that a job copies from or to.
std::string SourceOf(const platform::CopyJob& job);
std::string TargetOf(const platform::CopyJob& job);

} // namespace cli
