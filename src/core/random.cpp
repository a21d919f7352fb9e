#include "core/random.h"

namespace core {

float Random::next() {
    state_ = (state_ * 0x43FD43FDu + 0xC39EC3u) & 0xFFFFFFu;
    return static_cast<float>(state_) / 16777216.0f;
}

void Random::restart() {
    state_ = kStart;
}

}  // namespace core
