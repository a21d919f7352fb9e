#include "ui/vector_state.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>

namespace ui {
namespace {
__attribute__((target("avx"))) void zeroUpper() {
    _mm256_zeroupper();
}
const bool hasAvx = __builtin_cpu_supports("avx");
}  // namespace

void clearVectorState() {
    if (hasAvx) zeroUpper();
}

}  // namespace ui
#else
namespace ui {
void clearVectorState() {}
}  // namespace ui
#endif
