#pragma once

#include <QString>

namespace numbrava {

// The text of a connection state for the status line.
QString describeInetState(int state);

} // namespace numbrava
