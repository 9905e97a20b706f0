#pragma once

#include <QString>

namespace e2e {

// The X display the tests run on; empty when none could be started.
QString DisplayName();
// Why no display could be started.
QString DisplayFailure();

}  // namespace e2e
