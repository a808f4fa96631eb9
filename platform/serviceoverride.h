#pragma once
// A platform service that a test can replace: while an Override<Service> lives,
// the service in use is the one it was given, not the host's.

#include <utility>

namespace platform {

template <class Service> class Override {
public:
    explicit Override(Service& service) : m_previous(std::exchange(slot(), &service)) {}
    ~Override() { slot() = m_previous; }
    Override(const Override&) = delete;
    Override& operator=(const Override&) = delete;

    // The service in use: the newest live override's, else `host`.
    static Service& current(Service& host) { return slot() != nullptr ? *slot() : host; }

private:
    static Service*& slot() {
        static Service* active = nullptr;
        return active;
    }

    Service* m_previous;
};

} // namespace platform
