#pragma once

#include <QString>

namespace numbrava {

// The base address of the results server: the one asked for (the command
// line), else the environment variable NUMBRAVA_RESULTS_URL, else
// http://127.0.0.1:8000/. It always ends in "/", so the files' path follows
// it directly. Empty when the address chosen is not an http(s) address.
QString resultsServerAddress(const QString& requested);

} // namespace numbrava
