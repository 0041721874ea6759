#pragma once
// Blocking IPv4 TCP client calls over POSIX sockets. Errors are errno values handed back
// through an out argument; nothing here shows a message or keeps state but the name
// lookup that tests replace. Sends never raise SIGPIPE.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

namespace pf::socket {

using Handle = int;
constexpr Handle kNoHandle = -1;

// Dotted IPv4 text ("a.b.c.d") to an address in network byte order; false for any other
// text. "255.255.255.255" is an address.
bool ParseIPv4(const std::string& text, uint32_t& address);

// Resolves a host name to its first IPv4 address (network byte order). The default asks
// getaddrinfo; tests install their own so that no name query leaves the machine.
using LookupFunction = std::function<bool(const std::string& name, uint32_t& address)>;
bool LookupHost(const std::string& name, uint32_t& address);
// Installs a lookup (an empty function restores getaddrinfo) and returns the previous one.
LookupFunction SetLookupFunction(LookupFunction lookup);

// A TCP stream socket; kNoHandle with the error on failure.
Handle CreateTcp(int& error);
bool SetNoDelay(Handle handle, int& error);
// Switches O_NONBLOCK.
bool SetNonBlockingMode(Handle handle, bool non_blocking, int& error);

enum class ConnectStart { Connected, InProgress, Failed };
ConnectStart StartConnect(Handle handle, uint32_t address, uint16_t port, int& error);

// Looks at a connecting socket without waiting: true when the socket reports anything
// (writable, error or hang-up), which SO_ERROR then explains. A failing poll counts as
// reported, with its error in error.
bool ConnectReported(Handle handle, int& error);
// Reads and clears SO_ERROR into pending; false (error set) when it cannot be read.
bool GetPendingError(Handle handle, int& pending, int& error);

// One send with MSG_NOSIGNAL: the count sent, or -1 with the error.
long Send(Handle handle, const void* data, size_t length, int& error);

// One receive. A positive wait_ms first waits up to that long for data (expiry gives -1
// with ETIMEDOUT); 0 receives at once; a negative wait waits without limit. The count
// received (0 when the peer closed), or -1 with the error.
long Receive(Handle handle, void* data, size_t length, int wait_ms, int& error);

// True for the error of an operation that would have had to wait.
bool IsWouldBlock(int error);

void ShutdownBoth(Handle handle);
void Close(Handle handle);

} // namespace pf::socket
