#pragma once
// The real DXF reader the tests read our DXF files with: ezdxf (Debian's
// python3-ezdxf) driven by tests/io/dxf_check.py.

#include <cstdio>
#include <cstdlib>
#include <string>

#include "support/TestSupport.h"

namespace aerolune::test {

// The first interpreter that can import ezdxf: Debian's own python3 may sit
// behind another one on the PATH.
inline std::string pythonWithEzdxf() {
    for (const char* candidate : {"python3", "/usr/bin/python3"}) {
        std::string probe = std::string(candidate) + " -c 'import ezdxf' >/dev/null 2>&1";
        if (std::system(probe.c_str()) == 0) return candidate;
    }
    return {};
}

inline std::string runCommand(const std::string& command) {
    std::string output;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) return output;
    char buffer[4096];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) output += buffer;
    ::pclose(pipe);
    return output;
}

// What the reader says of the file: "audit_errors N", "other_entities N",
// then one "LINE layer x1 y1 z1 x2 y2 z2" per LINE entity.
inline std::string readDxfWithEzdxf(const std::string& python, const std::string& path) {
    return runCommand(python + " '" + dataPath("../io/dxf_check.py") + "' '" + path + "'");
}

}  // namespace aerolune::test
