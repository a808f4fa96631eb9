#pragma once
// Makes file permissions bind the calling thread (and the threads it starts)
// even when the tests run as root: the capabilities that override them are
// dropped from its effective set while the object lives.

namespace platform::test {

class WithoutAccessOverride {
public:
    WithoutAccessOverride();
    ~WithoutAccessOverride();
    WithoutAccessOverride(const WithoutAccessOverride&) = delete;
    WithoutAccessOverride& operator=(const WithoutAccessOverride&) = delete;

private:
    unsigned m_effective[2] = {};
};

} // namespace platform::test
