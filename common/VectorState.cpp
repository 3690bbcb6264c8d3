#include "common/VectorState.h"

namespace aerolune {

void clearUpperVectorState() {
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
    static const bool hasAvx = __builtin_cpu_supports("avx");
    if (hasAvx) __asm__ volatile("vzeroupper" ::: "memory");
#endif
}

}  // namespace aerolune
