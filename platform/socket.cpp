#include "platform/socket.h"

#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace pf::socket {

namespace {

bool SystemLookup(const std::string& name, uint32_t& address) {
    if (name.empty() || name.find('\0') != std::string::npos) {
        return false;
    }
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* results = nullptr;
    if (getaddrinfo(name.c_str(), nullptr, &hints, &results) != 0 || results == nullptr) {
        return false;
    }
    bool found = false;
    for (const addrinfo* it = results; it != nullptr; it = it->ai_next) {
        if (it->ai_family == AF_INET && it->ai_addr != nullptr &&
            it->ai_addrlen >= sizeof(sockaddr_in)) {
            address = reinterpret_cast<const sockaddr_in*>(it->ai_addr)->sin_addr.s_addr;
            found = true;
            break;
        }
    }
    freeaddrinfo(results);
    return found;
}

LookupFunction& CurrentLookup() {
    static LookupFunction lookup;
    return lookup;
}

} // namespace

bool ParseIPv4(const std::string& text, uint32_t& address) {
    if (text.find('\0') != std::string::npos) {
        return false;
    }
    in_addr parsed{};
    if (inet_pton(AF_INET, text.c_str(), &parsed) != 1) {
        return false;
    }
    address = parsed.s_addr;
    return true;
}

bool LookupHost(const std::string& name, uint32_t& address) {
    const LookupFunction& lookup = CurrentLookup();
    return lookup ? lookup(name, address) : SystemLookup(name, address);
}

LookupFunction SetLookupFunction(LookupFunction lookup) {
    LookupFunction previous = std::move(CurrentLookup());
    CurrentLookup() = std::move(lookup);
    return previous;
}

Handle CreateTcp(int& error) {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, IPPROTO_TCP);
    if (fd < 0) {
        error = errno;
        return kNoHandle;
    }
    return fd;
}

bool SetNoDelay(Handle handle, int& error) {
    const int on = 1;
    if (setsockopt(handle, IPPROTO_TCP, TCP_NODELAY, &on, sizeof(on)) != 0) {
        error = errno;
        return false;
    }
    return true;
}

bool SetNonBlockingMode(Handle handle, bool non_blocking, int& error) {
    const int flags = fcntl(handle, F_GETFL, 0);
    if (flags < 0) {
        error = errno;
        return false;
    }
    const int wanted = non_blocking ? (flags | O_NONBLOCK) : (flags & ~O_NONBLOCK);
    if (wanted != flags && fcntl(handle, F_SETFL, wanted) != 0) {
        error = errno;
        return false;
    }
    return true;
}

ConnectStart StartConnect(Handle handle, uint32_t address, uint16_t port, int& error) {
    sockaddr_in target{};
    target.sin_family = AF_INET;
    target.sin_port = htons(port);
    target.sin_addr.s_addr = address;
    int result = 0;
    do {
        result = ::connect(handle, reinterpret_cast<const sockaddr*>(&target), sizeof(target));
    } while (result != 0 && errno == EINTR);
    if (result == 0) {
        return ConnectStart::Connected;
    }
    if (errno == EINPROGRESS) {
        return ConnectStart::InProgress;
    }
    error = errno;
    return ConnectStart::Failed;
}

bool ConnectReported(Handle handle, int& error) {
    pollfd entry{};
    entry.fd = handle;
    entry.events = POLLOUT;
    const int result = poll(&entry, 1, 0);
    if (result < 0) {
        error = errno;
        return errno != EINTR;
    }
    return result > 0 && entry.revents != 0;
}

bool GetPendingError(Handle handle, int& pending, int& error) {
    int value = 0;
    socklen_t size = sizeof(value);
    if (getsockopt(handle, SOL_SOCKET, SO_ERROR, &value, &size) != 0) {
        error = errno;
        return false;
    }
    pending = value;
    return true;
}

long Send(Handle handle, const void* data, size_t length, int& error) {
    ssize_t sent = 0;
    do {
        sent = ::send(handle, data, length, MSG_NOSIGNAL);
    } while (sent < 0 && errno == EINTR);
    if (sent < 0) {
        error = errno;
        return -1;
    }
    return static_cast<long>(sent);
}

long Receive(Handle handle, void* data, size_t length, int wait_ms, int& error) {
    if (wait_ms > 0) {
        // Wait for data, restarting after signals with what remains of the wait.
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(wait_ms);
        for (;;) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                                  deadline - std::chrono::steady_clock::now())
                                  .count();
            pollfd entry{};
            entry.fd = handle;
            entry.events = POLLIN;
            const int result = poll(&entry, 1, left > 0 ? static_cast<int>(left) : 0);
            if (result > 0) {
                break;
            }
            if (result == 0) {
                error = ETIMEDOUT;
                return -1;
            }
            if (errno != EINTR) {
                error = errno;
                return -1;
            }
        }
    }
    ssize_t received = 0;
    do {
        received = ::recv(handle, data, length, 0);
    } while (received < 0 && errno == EINTR);
    if (received < 0) {
        error = errno;
        return -1;
    }
    return static_cast<long>(received);
}

bool IsWouldBlock(int error) { return error == EAGAIN || error == EWOULDBLOCK; }

void ShutdownBoth(Handle handle) {
    if (handle >= 0) {
        ::shutdown(handle, SHUT_RDWR);
    }
}

void Close(Handle handle) {
    if (handle >= 0) {
        ::close(handle);
    }
}

} // namespace pf::socket
