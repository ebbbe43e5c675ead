#pragma once
// The socket layer under the FTP and POP3 clients: one TCP connection with
// traced lines and data. Every wait has a time-out and serves the host's
// event loop, so a silent server ends with an error and the stop button ends
// a hung transfer at once.

#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "net/AddressRoutines.h"
#include "net/TcpIpErrors.h"

namespace tolvane {

enum TTraceLevel : std::uint8_t { tt_sent_line = 0, tt_received_line = 1, tt_socket_event = 2 };
using TTraceProc = std::function<void(const std::string& s, TTraceLevel level)>;

struct NetTimeouts {
    std::chrono::milliseconds Connect{30000};
    std::chrono::milliseconds Reply{30000};  // also: no data moving for this long
};

class T_TcpIp {
  public:
    virtual ~T_TcpIp();

    std::string Hostname;
    TTraceProc OnTrace;
    std::uint16_t RemotePort = 0;
    std::uint32_t RemoteAddress = kNoAddress;
    int Socket = -1;
    bool EndOfInput = false;
    bool Connected = false;
    std::vector<char> Stream;  // bulk data: the upload source, the download target
    std::size_t StreamPosition = 0;
    NetTimeouts Timeouts;
    // Served while waiting; StopRequested ends any wait with ETcpIpError.
    std::function<void()> ProcessMessages;
    std::function<bool()> StopRequested;

    virtual void Connect();
    virtual void Disconnect();
    // Connects and reads everything the server sends into Stream.
    virtual void Execute();
    virtual void SendLine(const std::string& text);

  protected:
    static constexpr std::size_t kChunk = 32512;

    void Trace(const std::string& text, TTraceLevel level) const;
    // Connects a new socket to `port` at `address` (network order); -1 when it fails.
    int OpenOutputSocket(std::uint16_t port, std::uint32_t address);
    void CloseSocket(int& fd, bool traced = true);
    // A line without its CR/LF; nothing at the end of the connection.
    std::optional<std::string> ReadLine(int fd);
    // Up to kChunk bytes; 0 at the end of the connection.
    std::size_t ReceiveData(int fd, char* buffer, std::size_t size);
    void SendText(int fd, const std::string& bytes, bool traceBytes = true);
    void SendBytes(int fd, const char* data, std::size_t size, bool traceBytes = true);
    // Raises ETcpIpError when a command argument holds CR or LF.
    static void RefuseLineBreaks(const std::string& text);
    void WaitFor(int fd, short events, std::chrono::milliseconds limit);

  private:
    std::map<int, std::string> readAhead_;
};

}  // namespace tolvane
