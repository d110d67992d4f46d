#pragma once

#include "files/RuntimeError.h"

namespace runtime {

// Runs one step of a handler that goes on after a failing step: a failure
// of the step is swallowed and the handler carries on with its next step.
template <typename Step>
void skipOnError(Step&& step)
{
    try {
        step();
    } catch (const RuntimeError&) {
    }
}

} // namespace runtime
