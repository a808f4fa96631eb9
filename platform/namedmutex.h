#pragma once
// A named, process-wide sign that a copy of the program runs. On POSIX it is a
// flock on a lock file, so the kernel releases it when the process dies.

#include <string>
#include <string_view>

namespace platform {

class NamedMutex {
public:
    enum class State { Owned, HeldElsewhere, Unavailable };

    // Tries to own the mutex `name` (CP932) at once, never waiting.
    explicit NamedMutex(std::string_view name);
    ~NamedMutex();
    NamedMutex(const NamedMutex&) = delete;
    NamedMutex& operator=(const NamedMutex&) = delete;

    State state() const { return m_state; }

private:
    State m_state = State::Unavailable;
    int m_fd = -1;
};

} // namespace platform
