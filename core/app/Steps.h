#pragma once

#include <exception>
#include <utility>

namespace corvallo {

// Event handlers, the load sequence and the timer tick run their steps in
// order, and a step that fails is skipped without a message: the handler goes
// on with its next step. This is the one place where a failure is dropped;
// everything else lets it through to the handler that called it.
template <class Step>
void attempt(Step&& step) noexcept {
    try {
        std::forward<Step>(step)();
    } catch (const std::exception&) {
        // Deliberately ignored: the user sees no message for a failed step.
    }
}

// Runs the named member steps of `owner` in order, each on its own: a failed
// step is skipped and the next one runs.
template <class Owner, class... Step>
void attemptEach(Owner& owner, Step... steps) noexcept {
    (attempt([&] { (owner.*steps)(); }), ...);
}

}  // namespace corvallo
