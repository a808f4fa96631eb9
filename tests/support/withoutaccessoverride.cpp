#include "tests/support/withoutaccessoverride.h"

#include <cstdlib>
#include <linux/capability.h>
#include <stdexcept>
#include <sys/syscall.h>
#include <unistd.h>

namespace platform::test {

namespace {

struct Capabilities {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[_LINUX_CAPABILITY_U32S_3] = {};
};

Capabilities Current() {
    Capabilities caps;
    if (syscall(SYS_capget, &caps.header, caps.data) != 0)
        throw std::runtime_error("capget failed");
    return caps;
}

bool SetEffective(Capabilities caps, const unsigned (&effective)[2]) {
    caps.data[0].effective = effective[0];
    caps.data[1].effective = effective[1];
    return syscall(SYS_capset, &caps.header, caps.data) == 0;
}

} // namespace

WithoutAccessOverride::WithoutAccessOverride() {
    const Capabilities caps = Current();
    m_effective[0] = caps.data[0].effective;
    m_effective[1] = caps.data[1].effective;
    constexpr unsigned kOverrides = (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH);
    if (!SetEffective(caps, {m_effective[0] & ~kOverrides, m_effective[1]}))
        throw std::runtime_error("capset failed");
}

WithoutAccessOverride::~WithoutAccessOverride() {
    // The rest of the run would test without them: better to stop here.
    if (!SetEffective(Current(), m_effective))
        std::abort();
}

} // namespace platform::test
