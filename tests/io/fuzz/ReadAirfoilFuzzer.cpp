// Coverage-guided fuzzing of the coordinate-file reader with libFuzzer (clang
// only, so it is not part of the normal build). From the source root:
//
//   cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
//         -DAEROLUNE_CHECKED=ON -DAEROLUNE_FUZZ=ON
//   cmake --build build-fuzz --target read-airfoil-fuzzer
//   build-fuzz/tests/io/fuzz/read-airfoil-fuzzer -max_len=20000 -max_total_time=300
//   tests/data/reference/karman_trefftz \
//       tests/data/sections
//
// The deterministic tests in AirfoilReaderFuzzTest.cpp check the same promises
// on every build.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "io/AirfoilFileReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    using namespace aerolune;
    std::string_view text(reinterpret_cast<const char*>(data), size);
    static const FileSection before;
    FileSection lists = before;
    std::string name = "caller";
    ReadAirfoilResult r = readAirfoilText(text, name, lists);
    if (r.ok == !r.reason.empty()) std::abort();
    if (!r.ok && (name != "caller" || lists.FileNU != 0 || lists.FileNL != 0)) std::abort();
    // A read section says what was done to it only when it was read, and a
    // refusal never comes with a notice.
    if (!r.ok && !r.notice.empty()) std::abort();
    if (r.ok) {
        if (lists.FileNU < 3 || lists.FileNU > FileSection::kCapacity) std::abort();
        if (lists.FileNL < 3 || lists.FileNL > FileSection::kCapacity) std::abort();
        for (int32_t i = 1; i <= lists.FileNU; ++i) {
            if (!std::isfinite(lists.FileXU(i)) || !std::isfinite(lists.FileYU(i))) std::abort();
        }
        for (int32_t i = 1; i <= lists.FileNL; ++i) {
            if (!std::isfinite(lists.FileXL(i)) || !std::isfinite(lists.FileYL(i))) std::abort();
        }
    }
    return 0;
}
