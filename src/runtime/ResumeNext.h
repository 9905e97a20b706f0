#pragma once

#include "runtime/RuntimeError.h"

namespace runtime {

// Statement-level error skipping. Routines that must carry on past their own
// run-time errors run each statement through Statement(); a failing statement
// leaves its target unchanged (it never got to assign) and execution continues.
template <class Body>
bool Statement(Body&& body) {
  try {
    body();
    return true;
  } catch (const RuntimeError&) {
    return false;
  }
}

// The test of an If under error skipping: an error while the condition is being
// evaluated resumes with the first statement the test governs, as if it held.
template <class Condition>
bool Test(Condition&& condition) {
  try {
    return condition();
  } catch (const RuntimeError&) {
    return true;
  }
}

}  // namespace runtime
