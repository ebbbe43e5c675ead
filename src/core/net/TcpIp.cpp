#include "net/TcpIp.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>

#include "net/FtpReply.h"

namespace tolvane {
namespace {

constexpr int kPollMs = 20;

std::string PortText(std::uint16_t port) { return std::to_string(port); }

}  // namespace

T_TcpIp::~T_TcpIp() {
    OnTrace = nullptr;
    if (Socket != -1) {
        try {
            T_TcpIp::Disconnect();
        } catch (...) {
        }
    }
}

void T_TcpIp::Trace(const std::string& text, TTraceLevel level) const {
    if (OnTrace) OnTrace(text, level);
}

void T_TcpIp::RefuseLineBreaks(const std::string& text) {
    if (text.find_first_of("\r\n") != std::string::npos) {
        throw ETcpIpError("a command argument holds a line break");
    }
}

void T_TcpIp::WaitFor(int fd, short events, std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (true) {
        pollfd p{fd, events, 0};
        const int n = poll(&p, 1, kPollMs);
        if (n > 0) return;
        if (n < 0 && errno != EINTR) throw ETcpIpError("poll failed");
        if (ProcessMessages) ProcessMessages();
        if (StopRequested && StopRequested()) throw ETcpIpError("stopped");
        if (std::chrono::steady_clock::now() > deadline)
            throw ETcpIpError("no answer from the server");
    }
}

int T_TcpIp::OpenOutputSocket(std::uint16_t port, std::uint32_t address) {
    int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) return -1;
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(port);
    to.sin_addr.s_addr = address;
    int rc = connect(fd, reinterpret_cast<sockaddr*>(&to), sizeof to);
    if (rc != 0 && errno == EINPROGRESS) {
        try {
            WaitFor(fd, POLLOUT, Timeouts.Connect);
        } catch (...) {
            close(fd);
            throw;
        }
        int err = 0;
        socklen_t len = sizeof err;
        getsockopt(fd, SOL_SOCKET, SO_ERROR, &err, &len);
        rc = err == 0 ? 0 : -1;
        errno = err;
    }
    if (rc != 0) {
        const int err = errno;
        CloseSocket(fd);
        Trace(
            "Failed to open output socket " + PortText(port) + " to host " + AddressToText(address),
            tt_socket_event);
        errno = err;
        return -1;
    }
    Trace("Opened output socket " + PortText(port) + " to host " + AddressToText(address) +
              " successfully; ID " + std::to_string(fd),
          tt_socket_event);
    return fd;
}

void T_TcpIp::CloseSocket(int& fd, bool traced) {
    if (fd == -1) return;
    close(fd);
    readAhead_.erase(fd);
    if (traced) Trace("Closed socket ID " + std::to_string(fd), tt_socket_event);
    fd = -1;
}

std::size_t T_TcpIp::ReceiveData(int fd, char* buffer, std::size_t size) {
    auto& ahead = readAhead_[fd];
    if (!ahead.empty()) {
        const std::size_t n = std::min(size, ahead.size());
        ahead.copy(buffer, n);
        ahead.erase(0, n);
        return n;
    }
    while (true) {
        const ssize_t n = recv(fd, buffer, size, 0);
        if (n > 0) {
            Trace("Received " + std::to_string(n) + " bytes on socket ID " + std::to_string(fd),
                  tt_socket_event);
            return static_cast<std::size_t>(n);
        }
        if (n == 0) {
            EndOfInput = true;
            return 0;
        }
        if (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR) {
            WaitFor(fd, POLLIN, Timeouts.Reply);
            continue;
        }
        EndOfInput = true;  // a broken connection ends the input
        throw ETcpIpError("connection broken");
    }
}

std::optional<std::string> T_TcpIp::ReadLine(int fd) {
    std::string line;
    char buffer[4096];
    while (true) {
        auto& ahead = readAhead_[fd];
        const std::size_t lf = ahead.find('\n');
        if (lf != std::string::npos) {
            line += ahead.substr(0, lf);
            ahead.erase(0, lf + 1);
            std::string clean;
            for (char c : line) {
                if (c != '\r') clean += c;
            }
            return clean;
        }
        line += ahead;
        ahead.clear();
        if (line.size() > kMaxReplyLine) throw EProtocolError("FTP", 0, "reply line too long");
        const std::size_t n = ReceiveData(fd, buffer, sizeof buffer);
        if (n == 0) {
            if (line.empty()) return std::nullopt;
            // The connection ended inside a line: hand out what came.
            std::string clean;
            for (char c : line) {
                if (c != '\r') clean += c;
            }
            return clean;
        }
        readAhead_[fd].append(buffer, n);
    }
}

void T_TcpIp::SendText(int fd, const std::string& bytes, bool traceBytes) {
    SendBytes(fd, bytes.data(), bytes.size(), traceBytes);
}

void T_TcpIp::SendBytes(int fd, const char* data, std::size_t size, bool traceBytes) {
    std::size_t sent = 0;
    while (sent < size) {
        const ssize_t n = send(fd, data + sent, size - sent, MSG_NOSIGNAL);
        if (n > 0) {
            sent += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)) {
            WaitFor(fd, POLLOUT, Timeouts.Reply);
            continue;
        }
        if (traceBytes) Trace("Sent -1 bytes on socket ID " + std::to_string(fd), tt_socket_event);
        throw ETcpIpError("connection broken");
    }
    if (traceBytes) {
        Trace("Sent " + std::to_string(sent) + " bytes on socket ID " + std::to_string(fd),
              tt_socket_event);
    }
}

void T_TcpIp::SendLine(const std::string& text) {
    RefuseLineBreaks(text);
    SendText(Socket, text + "\r\n");
    Trace(text, tt_sent_line);
}

void T_TcpIp::Connect() {
    if (Connected) Disconnect();
    RemoteAddress = ResolveHost(Hostname);
    if (RemoteAddress == kNoAddress) throw ETcpIpError("Couldn't resolve hostname " + Hostname);
    CloseSocket(Socket);
    Socket = OpenOutputSocket(RemotePort, RemoteAddress);
    if (Socket == -1) throw ESocketError(static_cast<std::uint16_t>(errno));
    EndOfInput = false;
    Connected = true;
}

void T_TcpIp::Disconnect() {
    CloseSocket(Socket);
    Connected = false;
}

void T_TcpIp::Execute() {
    Connect();
    Stream.clear();
    std::vector<char> buffer(kChunk);
    while (const std::size_t n = ReceiveData(Socket, buffer.data(), buffer.size())) {
        Stream.insert(Stream.end(), buffer.data(), buffer.data() + n);
    }
    StreamPosition = 0;
}

}  // namespace tolvane
