#include "download/inet_states.h"

#include <array>

namespace numbrava {

QString describeInetState(int state) {
    static const std::array<const char*, 13> texts = {
        "No state to report",
        "Looking up the IP address of the specified host computer",
        "Successfully found the IP address of the specified host computer",
        "Connecting to the host computer",
        "Successfully connected to the host computer",
        "Sending a request to the host computer",
        "Successfully sent the request",
        "Receiving a response from the host computer",
        "Successfully received a response from the host computer",
        "Disconnection from the host computer",
        "Successfully disconnected from the host computer",
        "An error occured in communicating with the host computer",
        "The request has completed and all data has been received",
    };
    if (state >= 0 && state < static_cast<int>(texts.size()))
        return QString::fromLatin1(texts[static_cast<size_t>(state)]);
    return QStringLiteral("Unknown state: %1").arg(state);
}

} // namespace numbrava
