#include "platform/shellcopy.h"

#include "platform/copyengine.h"
#include "platform/posix/copywindows.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <atomic>
#include <mutex>
#include <thread>

namespace platform {

namespace {

using posix::CopyStatus;

constexpr int kRefreshMs = 50; // the progress window's refresh: at most 20 a second
constexpr std::uint64_t kFileWeight = 64 << 10; // each file counts as this many bytes more

// The client of a copy that runs on a worker thread: progress goes into a
// status that the window polls, questions are asked on the window's thread.
class WindowedClient final : public CopyClient {
public:
    explicit WindowedClient(QWidget* window) : m_window(window) {}

    void cancel() { m_cancel = true; }
    CopyStatus status() const {
        const std::lock_guard lock(m_mutex);
        CopyStatus status = m_status;
        const std::uint64_t total = m_before.empty() ? 0 : m_before.back();
        if (total > 0 && status.current > 0)
            status.permille = static_cast<int>(
                (m_before[status.current - 1] + m_bytes + (status.current - 1) * kFileWeight) *
                1000 / total);
        return status;
    }

    void planned(const std::vector<CopyJob>& jobs) override {
        m_jobs = &jobs;
        const std::lock_guard lock(m_mutex);
        m_before.assign(1, 0);
        for (const CopyJob& job : jobs)
            m_before.push_back(m_before.back() + job.size);
        m_before.back() += jobs.size() * kFileWeight;
        m_status.count = jobs.size();
    }
    void starting(std::size_t index) override {
        const CopyJob& job = (*m_jobs)[index];
        const std::lock_guard lock(m_mutex);
        m_status.name = job.name;
        m_status.sourceFolder = job.sourceFolder;
        m_status.targetFolder = job.targetFolder;
        m_status.current = index + 1;
        m_bytes = 0;
    }
    void copied(std::uint64_t bytes) override {
        const std::lock_guard lock(m_mutex);
        m_bytes = bytes;
    }
    bool cancelled() override { return m_cancel; }

    Replace replace(const CopyJob& job, const FileFacts& existing, const FileFacts& incoming,
                    bool onlyFile) override {
        return onWindowThread(Replace::Cancel, [&] {
            return posix::AskReplace(m_window, job, existing, incoming, onlyFile);
        });
    }
    OnError failed(const CopyJob& job, const CopyError& error) override {
        return onWindowThread(OnError::Cancel,
                              [&] { return posix::AskOnError(m_window, job, error); });
    }

private:
    // Runs `ask` on the window's thread and waits for its answer; once the
    // user has cancelled, nothing more is asked.
    template <typename Answer, typename Ask> Answer onWindowThread(Answer cancelled, Ask ask) {
        Answer answer = cancelled;
        if (!m_cancel)
            QMetaObject::invokeMethod(
                m_window, [&] { answer = ask(); }, Qt::BlockingQueuedConnection);
        return answer;
    }

    QWidget* m_window;
    const std::vector<CopyJob>* m_jobs = nullptr; // the worker's alone
    std::atomic<bool> m_cancel{false};
    mutable std::mutex m_mutex; // guards what follows
    CopyStatus m_status;
    std::vector<std::uint64_t> m_before; // bytes (and weights) before each job; the total last
    std::uint64_t m_bytes = 0;
};

// The owner's window takes no input while the copy runs, as a modal owner would;
// the progress window is no child of it, so it stays enabled.
class DisabledWhileCopying {
public:
    explicit DisabledWhileCopying(QWidget* window)
        : m_window(window), m_wasEnabled(window && window->isEnabled()) {
        if (m_wasEnabled)
            m_window->setEnabled(false);
    }
    ~DisabledWhileCopying() {
        if (m_wasEnabled)
            m_window->setEnabled(true);
    }
    DisabledWhileCopying(const DisabledWhileCopying&) = delete;
    DisabledWhileCopying& operator=(const DisabledWhileCopying&) = delete;

private:
    QWidget* m_window;
    bool m_wasEnabled;
};

// Stands the progress window over its owner's window, or mid-screen.
void PlaceOver(QWidget& window, QWidget* owner) {
    window.adjustSize();
    window.winId();
    if (owner && owner->windowHandle())
        window.windowHandle()->setTransientParent(owner->windowHandle());
    const QRect area =
        owner ? owner->frameGeometry() : QGuiApplication::primaryScreen()->availableGeometry();
    window.move(area.center() - window.rect().center());
}

class PosixShellCopy final : public ShellCopy {
public:
    bool copy(QWidget* owner, const std::vector<std::string>& sources,
              const std::string& destination) override {
        QWidget* ownerWindow = owner ? owner->window() : nullptr;
        const DisabledWhileCopying disabled(ownerWindow);
        posix::CopyProgressWindow window;
        WindowedClient windowed(&window);
        window.setOnCancel([&] { windowed.cancel(); });
        QTimer refresh;
        QObject::connect(&refresh, &QTimer::timeout, &window,
                         [&] { window.showStatus(windowed.status()); });
        refresh.start(kRefreshMs);
        PlaceOver(window, ownerWindow);
        window.show();

        QEventLoop loop;
        std::atomic<bool> aborted{false};
        std::thread worker([&] {
            aborted = RunCopy(sources, destination, windowed);
            QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
        });
        loop.exec();
        worker.join();
        return aborted;
    }
};

} // namespace

ShellCopy& HostShellCopy() {
    static PosixShellCopy copy;
    return copy;
}

} // namespace platform
