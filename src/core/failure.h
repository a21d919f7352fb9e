#pragma once

#include <exception>

namespace core {

// A step that cannot be carried out: a text that is not a number, a division by zero,
// an overflow, an index outside a table or a list. Routines decide what follows
// through ResumeNext.
class Failure : public std::exception {
public:
    const char* what() const noexcept override { return "step failed"; }
};

}  // namespace core
