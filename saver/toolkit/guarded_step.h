// A guarded step: a statement of a saver routine that, when it fails at run
// time, is abandoned without a message so that the routine goes on with its
// next statement.
#pragma once

#include <utility>

template <typename Step>
void GuardedStep(Step&& step) noexcept {
    try {
        std::forward<Step>(step)();
    } catch (...) {
    }
}
