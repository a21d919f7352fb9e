#pragma once

#include "core/failure.h"

namespace core {

// The program's failure policy in one place: a failing step is abandoned and the
// routine goes on with the next one; a failing test counts as passed, so the routine
// enters the branch; and the failure is remembered until the routine ends.
class ResumeNext {
public:
    template <class Step>
    void operator()(Step&& step) noexcept {
        try {
            step();
        } catch (const Failure&) {
            failed_ = true;
        }
    }

    template <class Test>
    bool test(Test&& condition) noexcept {
        try {
            return condition();
        } catch (const Failure&) {
            failed_ = true;
            return true;
        }
    }

    bool failed() const { return failed_; }

private:
    bool failed_ = false;
};

}  // namespace core
