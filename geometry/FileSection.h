#pragma once
// The raw surface point lists of a section read from a coordinate file, as the
// reader fills them and the section builder consumes them. The lists have a
// fixed capacity; a reader skips pairs beyond it.

#include <cstdint>

#include "common/Array.h"

namespace aerolune {

struct FileSection {
    /// Points per surface the lists can hold.
    static constexpr int32_t kCapacity = 1000;

    Array1<float> FileXU{kCapacity};
    Array1<float> FileYU{kCapacity};
    Array1<float> FileXL{kCapacity};
    Array1<float> FileYL{kCapacity};
    int32_t FileNU = 0;
    int32_t FileNL = 0;
};

}  // namespace aerolune
