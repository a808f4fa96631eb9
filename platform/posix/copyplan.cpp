#include "platform/copyengine.h"
#include "platform/filesystem.h"
#include "platform/posix/hostfs.h"
#include "platform/posix/pattern.h"

#include <algorithm>
#include <cerrno>
#include <map>
#include <set>
#include <sys/stat.h>

namespace platform {

namespace {

std::string Upper(std::string name) {
    for (char& c : name)
        c = posix::UpperAscii(c);
    return name;
}

// The entries of one destination folder, so that a target takes the name of
// an entry that differs only in ASCII case, as HostPath() would find it.
class TargetNames {
public:
    explicit TargetNames(const std::string& folder) {
        for (const std::string& name :
             posix::FolderEntries(folder).value_or(std::vector<std::string>{}))
            add(name);
    }

    // The target's name for `name`, and whether it was taken already.
    std::pair<std::string, bool> targetFor(const std::string& name) {
        if (m_exact.count(name) != 0)
            return {name, true};
        if (const auto found = m_folded.find(Upper(name)); found != m_folded.end())
            return {found->second, true};
        add(name);
        return {name, false};
    }

private:
    void add(const std::string& name) {
        m_exact.insert(name);
        auto [slot, added] = m_folded.emplace(Upper(name), name);
        if (!added && name < slot->second)
            slot->second = name;
    }

    std::set<std::string> m_exact;
    std::map<std::string, std::string> m_folded;
};

struct Place {
    std::string host;    // empty when it names no host folder
    std::string program; // CP932
    bool driveRoot = false;

    std::string child(const std::string& name) const {
        return driveRoot ? program + name : program + '\\' + name;
    }
};

// A source entry: the folder it lies in, itself, its name (CP932).
struct Entry {
    Place folder;
    Place self;
    std::string name;
};

using FolderId = std::pair<dev_t, ino_t>;

class Planner {
public:
    Planner(Place destination, std::string here)
        : m_here(std::move(here)), m_destination(std::move(destination)) {}

    void addSource(const std::string& source);
    std::vector<CopyJob> take() { return std::move(m_jobs); }

private:
    void addMatches(const ProgramPath& folder, const std::string& pattern);
    void addFile(const Place& folder, const std::string& name);
    void addEntry(const Entry& entry, const Place& to, TargetNames& names);
    void addContents(const Entry& folder, const Place& to);
    void addError(const Place& folder, std::string name, int code);
    // The host folder of a source's folder: sources often share one.
    const Place& folderPlace(const ProgramPath& folder);

    std::string m_here; // the current folder, for relative sources
    Place m_destination;
    std::optional<std::pair<ProgramPath, Place>> m_lastFolder;
    TargetNames m_names{m_destination.host};
    std::vector<FolderId> m_ancestors; // the folders being walked, against link loops
    std::vector<CopyJob> m_jobs;
};

Place PlaceOf(const ProgramPath& path) {
    return {posix::ResolveHost(path).value_or(std::string()), FormatProgramPath(path),
            path.isDriveRoot()};
}

std::string HostName(const std::string& host) {
    return host.substr(host.rfind('/') + 1);
}

Entry Inside(const Place& folder, const posix::NameMatch& match) {
    return {
        folder, {posix::JoinHost(folder.host, match.host), folder.child(match.name)}, match.name};
}

void Planner::addSource(const std::string& source) {
    const auto path = NormalisePath(source, m_here);
    if (!path || path->isDriveRoot()) {
        addError({}, source, path ? EISDIR : ENOENT);
        return;
    }
    ProgramPath folder = *path;
    folder.segments.pop_back();
    const std::string& name = path->segments.back();
    if (posix::HasWildcard(name))
        addMatches(folder, name);
    else
        addFile(folderPlace(folder), name);
}

void Planner::addFile(const Place& folder, const std::string& name) {
    const std::string host = folder.host.empty()
                                 ? std::string()
                                 : posix::ResolveEntry(folder.host, name).value_or(std::string());
    addEntry({folder, {host, folder.child(name)}, name}, m_destination, m_names);
}

const Place& Planner::folderPlace(const ProgramPath& folder) {
    if (!m_lastFolder || m_lastFolder->first.drive != folder.drive ||
        m_lastFolder->first.segments != folder.segments)
        m_lastFolder.emplace(folder, PlaceOf(folder));
    return m_lastFolder->second;
}

void Planner::addMatches(const ProgramPath& folder, const std::string& pattern) {
    const Place from = folderPlace(folder);
    const auto names = posix::AnyWildcard(folder.segments) || from.host.empty()
                           ? std::nullopt
                           : posix::FolderEntries(from.host);
    std::vector<posix::NameMatch> matches;
    if (names)
        matches = posix::MatchingNames(*names, posix::FoldedPattern(pattern));
    if (matches.empty())
        addError(from, pattern, ENOENT);
    for (const posix::NameMatch& match : matches)
        addEntry(Inside(from, match), m_destination, m_names);
}

void Planner::addEntry(const Entry& entry, const Place& to, TargetNames& names) {
    struct stat info;
    if (entry.self.host.empty() || stat(entry.self.host.c_str(), &info) != 0) {
        addError(entry.folder, entry.name, entry.self.host.empty() ? ENOENT : errno);
        return;
    }
    CopyJob job;
    job.sourceFolder = entry.folder.program;
    job.name = entry.name;
    job.targetFolder = to.program;
    job.source = entry.self.host;
    job.isFolder = S_ISDIR(info.st_mode);
    job.size = static_cast<std::uint64_t>(info.st_size);
    if (to.host.empty()) {
        job.error = CopyError{CopyError::Kind::Write, ENOENT};
    } else {
        const auto [name, taken] = names.targetFor(HostName(entry.self.host));
        job.target = posix::JoinHost(to.host, name);
        job.targetTaken = taken;
    }
    const FolderId id{info.st_dev, info.st_ino};
    if (job.isFolder && std::find(m_ancestors.begin(), m_ancestors.end(), id) != m_ancestors.end())
        job.error = CopyError{CopyError::Kind::Read, ELOOP};
    const bool walk = job.isFolder && !job.error;
    const Place target{job.target, to.child(entry.name)};
    m_jobs.push_back(std::move(job));
    if (walk) {
        m_ancestors.push_back(id);
        addContents(entry, target);
        m_ancestors.pop_back();
    }
}

void Planner::addContents(const Entry& folder, const Place& to) {
    const auto names = posix::FolderEntries(folder.self.host);
    if (!names) {
        addError(folder.folder, folder.name, errno);
        return;
    }
    TargetNames targets(to.host);
    for (const posix::NameMatch& match : posix::MatchingNames(*names, u"*"))
        addEntry(Inside(folder.self, match), to, targets);
}

void Planner::addError(const Place& folder, std::string name, int code) {
    CopyJob job;
    job.sourceFolder = folder.program;
    job.name = std::move(name);
    job.targetFolder = m_destination.program;
    job.error = CopyError{CopyError::Kind::Read, code};
    m_jobs.push_back(std::move(job));
}

} // namespace

std::vector<CopyJob> PlanCopy(const std::vector<std::string>& sources,
                              const std::string& destination) {
    const std::string here = CurrentFolder();
    const auto path = NormalisePath(destination, here);
    Planner planner(path ? PlaceOf(*path) : Place{{}, destination}, here);
    for (const std::string& source : sources)
        planner.addSource(source);
    return planner.take();
}

} // namespace platform
