#pragma once

#include "ui/dialup_service.h"
#include "ui/http_client.h"

#include <QString>
#include <chrono>

namespace numbrava {

// What the results downloader needs from the outside world: the HTTP client,
// the dial-up service and the results server's base address (ending in "/").
struct DownloadServices {
    HttpClient& http;
    DialupService& dialup;
    QString resultsServer;
    // The longest a whole file may take, however steadily it trickles in.
    std::chrono::milliseconds transferDeadline = std::chrono::minutes(5);
};

} // namespace numbrava
