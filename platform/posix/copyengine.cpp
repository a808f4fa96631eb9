#include "platform/copyengine.h"

#include "platform/posix/copyfile.h"
#include "platform/posix/hostfs.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

class FileHandle {
public:
    explicit FileHandle(int fd) : m_fd(fd) {}
    ~FileHandle() {
        if (m_fd >= 0)
            close(m_fd);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

FileFacts FactsOf(const struct stat& info) {
    return {static_cast<std::uint64_t>(info.st_size), info.st_mtim.tv_sec,
            (info.st_mode & S_IWUSR) == 0};
}

bool IsSameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

class CopyRun {
public:
    CopyRun(std::vector<CopyJob> jobs, CopyClient& client)
        : m_jobs(std::move(jobs)), m_client(client) {}

    bool run() {
        m_client.planned(m_jobs);
        for (std::size_t i = 0; i < m_jobs.size(); ++i) {
            if (m_client.cancelled())
                return true;
            if (insideSkippedFolder(m_jobs[i]))
                continue;
            m_client.starting(i);
            if (runJob(m_jobs[i]) == Step::Stop)
                return true;
        }
        return m_aborted;
    }

private:
    enum class Step { Next, Stop };

    Step runJob(const CopyJob& job) {
        if (job.error)
            return fail(job, *job.error);
        return job.isFolder ? makeFolder(job) : copyFile(job);
    }

    Step makeFolder(const CopyJob& job) {
        if (mkdir(job.target.c_str(), 0777) == 0 ||
            (errno == EEXIST && posix::KindOf(job.target) == posix::EntryKind::Folder))
            return done(job);
        m_skippedFolders.push_back(job.target + '/');
        return fail(job, {CopyError::Kind::Write, errno});
    }

    Step copyFile(const CopyJob& job) {
        const FileHandle in(open(job.source.c_str(), O_RDONLY | O_CLOEXEC));
        struct stat source;
        if (in.get() < 0 || fstat(in.get(), &source) != 0)
            return fail(job, {CopyError::Kind::Read, errno});
        if (S_ISDIR(source.st_mode))
            return fail(job, {CopyError::Kind::Read, EISDIR});
        struct stat existing;
        const bool replacing = job.targetTaken && stat(job.target.c_str(), &existing) == 0;
        if (replacing) {
            if (IsSameFile(source, existing))
                return fail(job, {CopyError::Kind::SameFile, 0});
            if (S_ISDIR(existing.st_mode))
                return fail(job, {CopyError::Kind::Write, EISDIR});
            if (const auto refused = askReplace(job, existing, source))
                return *refused;
        }
        const posix::FileCopyResult result =
            posix::CopyFileTo(in.get(), source, job.target, replacing, m_client);
        if (result.cancelled)
            return stop();
        return result.error ? fail(job, *result.error) : done(job);
    }

    Step done(const CopyJob& job) {
        m_client.finished(job);
        return Step::Next;
    }

    // nullopt when the file is to be replaced.
    std::optional<Step> askReplace(const CopyJob& job, const struct stat& existing,
                                   const struct stat& source) {
        if (m_yesToAll)
            return std::nullopt;
        switch (m_client.replace(job, FactsOf(existing), FactsOf(source), m_jobs.size() == 1)) {
        case CopyClient::Replace::YesToAll:
            m_yesToAll = true;
            [[fallthrough]];
        case CopyClient::Replace::Yes:
            return std::nullopt;
        case CopyClient::Replace::No:
            m_aborted = true;
            return Step::Next;
        case CopyClient::Replace::Cancel:
            break;
        }
        return stop();
    }

    Step fail(const CopyJob& job, const CopyError& error) {
        m_aborted = true;
        return m_client.failed(job, error) == CopyClient::OnError::Skip ? Step::Next : stop();
    }

    Step stop() {
        m_aborted = true;
        return Step::Stop;
    }

    bool insideSkippedFolder(const CopyJob& job) const {
        return std::any_of(m_skippedFolders.begin(), m_skippedFolders.end(),
                           [&](const std::string& folder) {
                               return !job.target.empty() && job.target.starts_with(folder);
                           });
    }

    std::vector<CopyJob> m_jobs;
    CopyClient& m_client;
    std::vector<std::string> m_skippedFolders; // each ends in "/"
    bool m_aborted = false;
    bool m_yesToAll = false;
};

} // namespace

bool RunCopy(const std::vector<std::string>& sources, const std::string& destination,
             CopyClient& client) {
    return CopyRun(PlanCopy(sources, destination), client).run();
}

} // namespace platform
