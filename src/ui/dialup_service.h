#pragma once

namespace numbrava {

// The dial-up connection of the machine: asked for a connection before a
// download and hung up after it.
class DialupService {
  public:
    struct Connection {
        bool connected = false;
        // False when the service could not be asked at all.
        bool usable = false;
    };

    virtual ~DialupService() = default;
    // Whether this machine has such a service.
    virtual bool available() const = 0;
    virtual Connection attemptConnect() = 0;
    // True when the connection was hung up.
    virtual bool hangUp() = 0;
};

// Linux has no dial-up service: it cannot be asked, so a download goes on
// over whatever connection the machine has.
class NoDialupService : public DialupService {
  public:
    bool available() const override { return false; }
    Connection attemptConnect() override { return {}; }
    bool hangUp() override { return false; }
};

} // namespace numbrava
