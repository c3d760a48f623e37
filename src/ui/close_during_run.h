#pragma once

#include <QCloseEvent>

namespace numbrava {

// A screen closed while its long run is still on the call stack must not go
// away under the run: the close is put off, the run is asked to stop, and the
// screen closes once the run has ended (it checks closeAfterRun).
// Returns true when the close was put off.
inline bool putOffCloseDuringRun(QCloseEvent* event, bool running, bool& closeAfterRun,
                                 bool& cancelRequested) {
    if (!running)
        return false;
    closeAfterRun = true;
    cancelRequested = true;
    event->ignore();
    return true;
}

} // namespace numbrava
