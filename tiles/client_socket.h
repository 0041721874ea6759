#pragma once
// The program's one network endpoint: a TCP client that connects by dotted address or
// host name, sends a buffer and receives bytes. Every failure is -1 with lastError (an
// errno value); nothing shows a message. A blocking receive gives up after the receive
// time-out, so a stalled server cannot hold the interface thread for ever.
#include "platform/socket.h"

#include <cstdint>
#include <string>

namespace pf {

// Milliseconds from platform/clock's performance counter.
int64_t MillisecondClock();

class ClientSocket {
  public:
    static constexpr int kDefaultReceiveTimeoutMs = 20000;
    // The connect wait: at most this long on the clock, or this many 1-ms rounds.
    static constexpr int64_t kConnectWaitMs = 10000;
    static constexpr int kConnectRounds = 3000;

    ClientSocket() = default;
    ~ClientSocket();
    ClientSocket(const ClientSocket&) = delete;
    ClientSocket& operator=(const ClientSocket&) = delete;

    // A dotted address is used as it is; any other text is looked up (first address).
    // The handle, or -1 (a name that does not resolve makes no connection attempt).
    int Connect(const std::string& host, int port);
    // address in network byte order.
    int ConnectAddress(uint32_t address, int port);

    // One send of the whole buffer: the count sent, or -1.
    long Send(const void* buffer, long length);
    // One receive: the count, 0 when the peer closed, or -1.
    long Recv(void* buffer, long length);
    // Receives until count bytes are in: count, or -1 when the loop ended early.
    long RecvExact(void* buffer, long count);

    void Close();
    // Switch the mode of the open socket when it differs: 1, or -1 (also without one).
    int SetBlocking();
    int SetNonBlocking();

    // How long a blocking receive waits for data; at least 1 ms.
    void SetReceiveTimeout(int ms) { receive_timeout_ms_ = ms > 0 ? ms : 1; }
    int GetReceiveTimeout() const { return receive_timeout_ms_; }

    int GetLastError() const { return last_error_; }
    bool IsConnected() const { return connected_; }
    bool IsBlocking() const { return blocking_; }
    int GetHandle() const { return handle_; }
    uint32_t GetRemoteAddress() const { return remote_address_; }
    int GetRemotePort() const { return remote_port_; }

  private:
    // Closes after an error: always in blocking mode, else unless the call would block.
    void CloseAfterError(int error);
    void CloseHandle();

    int last_error_ = 0;
    bool connected_ = false;
    bool blocking_ = true;
    socket::Handle handle_ = socket::kNoHandle;
    int socket_type_ = 1; // stream
    uint32_t remote_address_ = 0;
    int remote_port_ = 0;
    int receive_timeout_ms_ = kDefaultReceiveTimeoutMs;
};

} // namespace pf
