#include "tiles/client_socket.h"

#include "platform/clock.h"

#include <cerrno>

namespace pf {

int64_t MillisecondClock() {
    const int64_t counter = clock::PerformanceCounter();
    const int64_t frequency = clock::PerformanceFrequency();
    if (frequency <= 0) {
        return clock::TickCountMs();
    }
    // Split so that a large counter cannot overflow the multiplication.
    return counter / frequency * 1000 + counter % frequency * 1000 / frequency;
}

ClientSocket::~ClientSocket() {
    if (handle_ != socket::kNoHandle) {
        CloseHandle();
    }
}

int ClientSocket::Connect(const std::string& host, int port) {
    uint32_t address = 0;
    if (!socket::ParseIPv4(host, address) && !socket::LookupHost(host, address)) {
        return -1;
    }
    return ConnectAddress(address, port);
}

int ClientSocket::ConnectAddress(uint32_t address, int port) {
    if (connected_) {
        return -1;
    }
    if (port < 0 || port > 65535) {
        last_error_ = EINVAL;
        return -1;
    }
    // A handle left from an earlier failed attempt is not reused.
    if (handle_ != socket::kNoHandle) {
        CloseHandle();
    }
    remote_address_ = address;
    remote_port_ = port;

    int error = 0;
    handle_ = socket::CreateTcp(error);
    if (handle_ == socket::kNoHandle) {
        last_error_ = error;
        return -1;
    }
    socket::SetNoDelay(handle_, error); // only a latency hint: a refusal does not matter
    if (!socket::SetNonBlockingMode(handle_, true, error)) {
        last_error_ = error;
        CloseHandle();
        return -1;
    }
    const socket::ConnectStart start =
        socket::StartConnect(handle_, address, static_cast<uint16_t>(port), error);
    if (blocking_ && !socket::SetNonBlockingMode(handle_, false, error)) {
        last_error_ = error;
        CloseHandle();
        return -1;
    }
    if (start == socket::ConnectStart::Failed) {
        last_error_ = error;
        CloseHandle();
        return -1;
    }
    if (start == socket::ConnectStart::InProgress) {
        // A refused connect shows as writable with an error on Linux, so whatever the
        // socket reports, SO_ERROR decides.
        const int64_t begin = MillisecondClock();
        bool done = false;
        for (int rounds = 0; MillisecondClock() - begin < kConnectWaitMs && rounds < kConnectRounds;
             ++rounds) {
            int poll_error = 0;
            if (socket::ConnectReported(handle_, poll_error)) {
                int pending = 0;
                if (!socket::GetPendingError(handle_, pending, error)) {
                    pending = error;
                }
                if (pending != 0) {
                    last_error_ = pending;
                    CloseHandle();
                    return -1;
                }
                done = true;
                break;
            }
            clock::SleepMs(1);
        }
        if (!done) {
            last_error_ = ETIMEDOUT;
            CloseHandle();
            return -1;
        }
    }
    connected_ = true;
    return handle_;
}

long ClientSocket::Send(const void* buffer, long length) {
    if (handle_ == socket::kNoHandle || length < 0 || (buffer == nullptr && length > 0)) {
        return -1;
    }
    int error = 0;
    const long sent = socket::Send(handle_, buffer, static_cast<size_t>(length), error);
    if (sent < 0) {
        CloseAfterError(error);
        return -1;
    }
    return sent;
}

long ClientSocket::Recv(void* buffer, long length) {
    if (handle_ == socket::kNoHandle || length < 0 || (buffer == nullptr && length > 0)) {
        return -1;
    }
    int error = 0;
    const long received = socket::Receive(handle_, buffer, static_cast<size_t>(length),
                                          blocking_ ? receive_timeout_ms_ : 0, error);
    if (received < 0) {
        CloseAfterError(error);
        return -1;
    }
    return received;
}

long ClientSocket::RecvExact(void* buffer, long count) {
    if (count == 0) {
        return 0;
    }
    if (count < 0 || buffer == nullptr) {
        return -1;
    }
    char* bytes = static_cast<char*>(buffer);
    long have = 0;
    while (have < count) {
        const long received = Recv(bytes + have, count - have);
        if (received <= 0) {
            return -1;
        }
        have += received;
    }
    return count;
}

void ClientSocket::Close() {
    CloseHandle();
    last_error_ = 0;
}

int ClientSocket::SetBlocking() {
    if (blocking_) {
        return 1;
    }
    int error = EBADF;
    if (handle_ == socket::kNoHandle || !socket::SetNonBlockingMode(handle_, false, error)) {
        last_error_ = error;
        return -1;
    }
    blocking_ = true;
    return 1;
}

int ClientSocket::SetNonBlocking() {
    if (!blocking_) {
        return 1;
    }
    int error = EBADF;
    if (handle_ == socket::kNoHandle || !socket::SetNonBlockingMode(handle_, true, error)) {
        last_error_ = error;
        return -1;
    }
    blocking_ = false;
    return 1;
}

void ClientSocket::CloseAfterError(int error) {
    last_error_ = error;
    if (blocking_ || !socket::IsWouldBlock(error)) {
        CloseHandle();
    }
}

void ClientSocket::CloseHandle() {
    if (handle_ != socket::kNoHandle) {
        socket::ShutdownBoth(handle_);
        socket::Close(handle_);
    }
    handle_ = socket::kNoHandle;
    connected_ = false;
    remote_address_ = 0;
    remote_port_ = 0;
}

} // namespace pf
