#pragma once
// The copy behind the shell copy, apart from any window: sources (program
// paths) expanded into jobs, then each file copied so that a real name only
// ever holds a whole file. What the user decides comes through a CopyClient,
// so that the windowed shell copy and a command-line tool share it.

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

namespace platform {

struct CopyError {
    enum class Kind {
        Read,     // the source is missing or cannot be read
        Write,    // the target cannot be created, written or put in place
        SameFile, // source and target are one file
    };
    Kind kind = Kind::Read;
    int code = 0; // errno; 0 for SameFile
};

struct CopyJob {
    std::string sourceFolder; // program form (CP932) of the folder the source lies in
    std::string name;         // the source's name (CP932)
    std::string targetFolder; // program form (CP932) of the folder it lands in
    std::string source;       // host paths (UTF-8); source empty when it names no host file
    std::string target;
    bool isFolder = false;
    // The target's name was taken when planned (an entry, or an earlier job's
    // target); a name free then is never replaced without a question.
    bool targetTaken = false;
    std::uint64_t size = 0;
    std::optional<CopyError> error; // found while expanding: reported, not copied
};

// What is known of a file when a question is asked about it.
struct FileFacts {
    std::uint64_t size = 0;
    std::time_t modified = 0;
    bool readOnly = false;
};

class CopyClient {
public:
    enum class Replace { Yes, YesToAll, No, Cancel };
    enum class OnError { Skip, Cancel };

    virtual ~CopyClient() = default;
    // Called on the thread that runs the copy.
    virtual void planned(const std::vector<CopyJob>& /*jobs*/) {}
    virtual void starting(std::size_t /*job*/) {}
    // Bytes of the current file copied so far.
    virtual void copied(std::uint64_t /*bytes*/) {}
    // The job's file or folder is in place under its target name.
    virtual void finished(const CopyJob& /*job*/) {}
    // Checked before each job and between chunks of a file.
    virtual bool cancelled() { return false; }
    // The target of a file exists. `onlyFile` when the copy has this one file.
    virtual Replace replace(const CopyJob& job, const FileFacts& existing,
                            const FileFacts& incoming, bool onlyFile) = 0;
    virtual OnError failed(const CopyJob& job, const CopyError& error) = 0;
};

// The jobs for copying `sources` into `destination` (program paths; the
// destination may end in "\"): a final segment with "*" or "?" stands for
// every match, a folder for itself and then its contents, folders first in
// search order. Targets take the name of an entry already in the destination
// that differs only in ASCII case, as the Windows file system would.
std::vector<CopyJob> PlanCopy(const std::vector<std::string>& sources,
                              const std::string& destination);

// Runs the jobs of PlanCopy, asking `client` before replacing a file and after
// each error. Returns true when anything was aborted: cancelled, or a file kept
// from being copied by "no" or "skip".
bool RunCopy(const std::vector<std::string>& sources, const std::string& destination,
             CopyClient& client);

} // namespace platform
