#pragma once
// A blocking TCP connection to the server that sends encoded APDUs and receives whole ones, framed by the
// BER element check. Failures throw std::runtime_error with a message naming the cause.

#include <cstdint>
#include <string>
#include <vector>

class LoadConnection {
  public:
    // Connects with TCP_NODELAY; a receive that waits longer than receiveTimeoutSeconds fails.
    LoadConnection(const std::string& host, const std::string& port, int receiveTimeoutSeconds);
    ~LoadConnection();
    LoadConnection(const LoadConnection&) = delete;
    LoadConnection& operator=(const LoadConnection&) = delete;

    void send(const std::vector<uint8_t>& apdu);
    // The octets of the next whole APDU; octets after it stay for the next call.
    std::vector<uint8_t> receiveApdu();

  private:
    int fd_ = -1;
    std::vector<uint8_t> pending_;
};
