#include "cli/copyreport.h"

#include "text/cp932_codec.h"

#include <cstring>

namespace cli {

namespace {

std::string Join(const std::string& folder, const std::string& name) {
    return folder.empty() || folder.back() == '\\' ? folder + name : folder + '\\' + name;
}

std::string ReasonOf(const platform::CopyError& error) {
    using Kind = platform::CopyError::Kind;
    switch (error.kind) {
    case Kind::SameFile:
        return "source and target are the same file";
    case Kind::Read:
        return std::string("cannot read: ") + std::strerror(error.code);
    case Kind::Write:
        break;
    }
    return std::string("cannot write: ") + std::strerror(error.code);
}

} // namespace

std::string SourceOf(const platform::CopyJob& job) {
    return Join(job.sourceFolder, job.name);
}

std::string TargetOf(const platform::CopyJob& job) {
    return Join(job.targetFolder, job.name);
}

CopyReport::CopyReport(std::ostream& out, std::ostream* progress, bool overwrite)
    : m_out(out), m_progress(progress), m_overwrite(overwrite) {}

CopyReport::~CopyReport() {
    clearProgress();
}

void CopyReport::planned(const std::vector<platform::CopyJob>& jobs) {
    m_jobs = &jobs;
}

void CopyReport::starting(std::size_t job) {
    m_current = job;
    drawProgress(0, true);
}

void CopyReport::copied(std::uint64_t bytes) {
    drawProgress(bytes, false);
}

void CopyReport::finished(const platform::CopyJob& job) {
    m_placedFrom[job.target] = job.source;
    report("copied", TargetOf(job));
}

CopyReport::Replace CopyReport::replace(const platform::CopyJob& job, const platform::FileFacts&,
                                        const platform::FileFacts&, bool) {
    const auto placed = m_placedFrom.find(job.target);
    if (placed != m_placedFrom.end() && placed->second == job.source)
        return Replace::No; // this very file was copied there a moment ago
    if (m_overwrite)
        return Replace::Yes;
    ++m_problems;
    report("kept", TargetOf(job));
    return Replace::No;
}

CopyReport::OnError CopyReport::failed(const platform::CopyJob& job,
                                       const platform::CopyError& error) {
    ++m_problems;
    report("failed", SourceOf(job), ReasonOf(error));
    return OnError::Skip;
}

void CopyReport::report(const char* outcome, const std::string& programPath,
                        const std::string& reason) {
    clearProgress();
    m_out << outcome << '\t' << text::Cp932ToUtf8(programPath);
    if (!reason.empty())
        m_out << '\t' << reason;
    m_out << '\n';
}

// At most ten drawings a second, so that a terminal never slows the copy.
void CopyReport::drawProgress(std::uint64_t bytes, bool now) {
    if (m_progress == nullptr || m_jobs == nullptr || m_current >= m_jobs->size())
        return;
    const auto time = std::chrono::steady_clock::now();
    if (!now && time - m_lastDrawn < std::chrono::milliseconds(100))
        return;
    m_lastDrawn = time;
    const platform::CopyJob& job = (*m_jobs)[m_current];
    const std::uint64_t percent = job.size == 0 ? 100 : bytes * 100 / job.size;
    *m_progress << "\r\033[K[" << m_current + 1 << '/' << m_jobs->size() << "] "
                << text::Cp932ToUtf8(job.name) << ' ' << percent << '%' << std::flush;
}

void CopyReport::clearProgress() {
    if (m_progress != nullptr)
        *m_progress << "\r\033[K" << std::flush;
}

} // namespace cli
