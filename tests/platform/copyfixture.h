#pragma once
// Drive C: with a source folder SRC and an empty destination DST, and helpers
// to read back what a copy left there.

#include "tests/support/tempfolder.h"

#include <ctime>
#include <string>
#include <vector>

namespace platform::test {

class CopyTest : public DriveCTest {
protected:
    CopyTest() {
        c.folder("SRC");
        c.folder("DST");
    }

    // The contents of a host file; "<missing>" when it cannot be read.
    static std::string contents(const std::string& host);
    // The names in a host folder, sorted: a temporary left behind shows here.
    static std::vector<std::string> entries(const std::string& host);
    static void setModified(const std::string& host, timespec when);
    static timespec modified(const std::string& host);
};

} // namespace platform::test
