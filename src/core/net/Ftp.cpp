#include "net/Ftp.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <charconv>
#include <fstream>

#include "net/FtpReply.h"

namespace tolvane {

T_FTP::T_FTP() { RemotePort = 21; }

T_FTP::~T_FTP() {
    OnTrace = nullptr;
    if (Socket != -1 || ControlSocket != -1) {
        try {
            Disconnect();
        } catch (...) {
        }
    }
    CloseSocket(listener_, false);
}

void T_FTP::SendLine(const std::string& text) {
    RefuseLineBreaks(text);
    SendText(ControlSocket, text + "\r\n");
    Trace(text, tt_sent_line);
}

void T_FTP::ReadReply() {
    const FtpReply r =
        ReadFtpReply([this] { return ReadLine(ControlSocket); },
                     [this](const std::string& line) { Trace(line, tt_received_line); });
    ReplyCode = r.Code;
    ReplyText = r.Text;
}

void T_FTP::Connect() {
    RefuseLineBreaks(Username);
    RefuseLineBreaks(Password);
    RemotePort = Port;
    if (Connected) Disconnect();
    T_TcpIp::Connect();
    ControlSocket = Socket;
    ReadReply();
    SendLine("USER " + Username);
    ReadReply();
    SendText(ControlSocket, "PASS " + Password + "\r\n");
    Trace("PASS ******", tt_sent_line);
    ReadReply();
    SendLine("TYPE I");
    ReadReply();
}

void T_FTP::Guard() {
    if (Busy) throw EProtocolBusy();
    if (!Connected) Connect();
}

void T_FTP::ChangeDir(const std::string& directory) {
    RefuseLineBreaks(directory);
    Guard();
    SendLine("CWD " + directory);
    ReadReply();
}

void T_FTP::OpenDataConnection() {
    Socket = -1;
    if (Passive) {
        SendLine("PASV");
        ReadReply();
        if (ReplyCode != 227)
            throw EProtocolError("FTP", static_cast<std::uint16_t>(ReplyCode), ReplyText);
        if (const auto target = ParsePasvReply(ReplyText)) {
            Socket = OpenOutputSocket(target->Port, RemoteAddress);
        }
        return;
    }
    sockaddr_in local{};
    socklen_t len = sizeof local;
    getsockname(ControlSocket, reinterpret_cast<sockaddr*>(&local), &len);
    CloseSocket(listener_);
    listener_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    local.sin_port = 0;
    if (listener_ < 0 || bind(listener_, reinterpret_cast<sockaddr*>(&local), sizeof local) != 0) {
        Trace("Failed to bind socket 0 for local ip " + AddressToText(local.sin_addr.s_addr),
              tt_socket_event);
        CloseSocket(listener_);
        return;
    }
    Trace("Bound to socket 0 for local ip " + AddressToText(local.sin_addr.s_addr),
          tt_socket_event);
    len = sizeof local;
    getsockname(listener_, reinterpret_cast<sockaddr*>(&local), &len);
    const std::uint16_t port = ntohs(local.sin_port);
    if (listen(listener_, 2) != 0) {
        CloseSocket(listener_);
        Trace("Failed to set input socket " + std::to_string(port) + " to listening mode",
              tt_socket_event);
        return;
    }
    Trace("Set input socket " + std::to_string(port) + " to listening mode sucessfully; ID " +
              std::to_string(listener_),
          tt_socket_event);
    const auto* a = reinterpret_cast<const unsigned char*>(&local.sin_addr.s_addr);
    SendLine("PORT " + std::to_string(a[0]) + "," + std::to_string(a[1]) + "," +
             std::to_string(a[2]) + "," + std::to_string(a[3]) + "," + std::to_string(port / 256) +
             "," + std::to_string(port % 256));
    ReadReply();
}

bool T_FTP::DataConnectionReady() {
    if (Passive || listener_ == -1) return Socket != -1;
    if (ReplyCode >= 400) {
        CloseSocket(listener_);
        return false;
    }
    WaitFor(listener_, POLLIN, Timeouts.Connect);
    const int accepted = accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
    if (accepted < 0) {
        Trace("No incoming connection found on socket ID " + std::to_string(listener_),
              tt_socket_event);
        CloseSocket(listener_);
        return false;
    }
    Trace("Incoming connection found on socket ID " + std::to_string(listener_) +
              "; generated socket ID " + std::to_string(accepted),
          tt_socket_event);
    CloseSocket(listener_);
    Socket = accepted;
    return true;
}

void T_FTP::Upload() {
    RefuseLineBreaks(URI);
    Guard();
    if (URI.empty()) return;
    OpenDataConnection();
    SendLine("STOR " + URI);
    ReadReply();
    CurrentMode = tftp_upload;
    Busy = true;
    std::ifstream file;
    if (!UploadFile.empty()) {
        file.open(UploadFile, std::ios::binary | std::ios::ate);
        if (!file) throw ETcpIpError("cannot read " + UploadFile);
        TransferSize = static_cast<std::int64_t>(file.tellg());
        file.seekg(0);
    } else {
        TransferSize = static_cast<std::int64_t>(Stream.size());
    }
    StreamPosition = 0;
    // A refused STOR leaves nothing to send; its reply is the outcome.
    if (ReplyCode < 400 && DataConnectionReady()) {
        std::vector<char> chunk(kChunk);
        while (StreamPosition < static_cast<std::size_t>(TransferSize)) {
            const std::size_t n =
                std::min(kChunk, static_cast<std::size_t>(TransferSize) - StreamPosition);
            const char* data = Stream.data() + (UploadFile.empty() ? StreamPosition : 0);
            if (!UploadFile.empty()) {
                if (!file.read(chunk.data(), static_cast<std::streamsize>(n))) {
                    throw ETcpIpError("cannot read " + UploadFile);
                }
                data = chunk.data();
            }
            SendBytes(Socket, data, n);
            StreamPosition += n;
            if (OnDataReceived) OnDataReceived(*this, CurrentMode, static_cast<int>(n));
        }
        CloseSocket(Socket);
        EndOfInput = false;
        ReadReply();  // the transfer's final reply: 226 when complete
    } else {
        CloseSocket(Socket);
    }
    if (OnActionComplete) OnActionComplete(*this, CurrentMode);
    Busy = false;
}

void T_FTP::ReceiveInto(std::vector<char>& target) {
    std::vector<char> buffer(kChunk);
    while (true) {
        const std::size_t n = ReceiveData(Socket, buffer.data(), buffer.size());
        if (n > 0) target.insert(target.end(), buffer.data(), buffer.data() + n);
        if (OnDataReceived) OnDataReceived(*this, CurrentMode, static_cast<int>(n));
        if (n == 0) break;
    }
    CloseSocket(Socket);
    EndOfInput = false;
}

void T_FTP::Download() {
    RefuseLineBreaks(URI);
    Guard();
    if (URI.empty()) return;
    SendLine("SIZE " + URI);
    ReadReply();
    std::int64_t size = 0;
    auto [end, ec] = std::from_chars(ReplyText.data(), ReplyText.data() + ReplyText.size(), size);
    TransferSize = ec == std::errc() && end == ReplyText.data() + ReplyText.size() ? size : 0;
    OpenDataConnection();
    SendLine("RETR " + URI);
    ReadReply();
    CurrentMode = tftp_download;
    Busy = true;
    Stream.clear();
    if (ReplyCode < 400 && DataConnectionReady()) {
        ReceiveInto(Stream);
        ReadReply();
    } else {
        CloseSocket(Socket);
    }
    StreamPosition = 0;
    if (OnActionComplete) OnActionComplete(*this, CurrentMode);
    Busy = false;
}

void T_FTP::ListDirectory(const std::string& directory) {
    RefuseLineBreaks(directory);
    Guard();
    if (directory.empty()) return;
    OpenDataConnection();
    SendLine("TYPE A");
    ReadReply();
    SendLine("LIST " + directory);
    ReadReply();
    CurrentMode = tftp_getdir;
    Busy = true;
    std::vector<char> listing;
    if (ReplyCode < 400 && DataConnectionReady()) {
        ReceiveInto(listing);
        ReadReply();
    } else {
        CloseSocket(Socket);
    }
    SendLine("TYPE I");
    ReadReply();
    DirectoryLines.clear();
    std::string line;
    for (std::size_t i = 0; i < listing.size(); ++i) {
        const char c = listing[i];
        if (c == '\r' || c == '\n') {
            DirectoryLines.push_back(line);
            line.clear();
            if (c == '\r' && i + 1 < listing.size() && listing[i + 1] == '\n') ++i;
        } else {
            line += c;
        }
    }
    if (!line.empty()) DirectoryLines.push_back(line);
    if (OnActionComplete) OnActionComplete(*this, CurrentMode);
    Busy = false;
}

void T_FTP::Abort() {
    if (!Busy) return;
    Busy = false;
    CloseSocket(Socket);
    if (ControlSocket == -1) return;
    SendLine("ABOR");
    ReadReply();
    if (ReplyCode == 426) ReadReply();  // then the 226 of the aborted transfer
    if (ReplyCode >= 400 && ReplyCode != 426) {
        throw EProtocolError("FTP", static_cast<std::uint16_t>(ReplyCode), ReplyText);
    }
}

void T_FTP::Disconnect() {
    if (Busy) Abort();
    if (Connected) {
        if (ControlSocket != -1) {
            SendLine("QUIT");
            ReadReply();
        }
        if (Socket != -1 && Socket != ControlSocket) CloseSocket(Socket, false);
        Socket = ControlSocket;
        ControlSocket = -1;
    }
    T_TcpIp::Disconnect();
}

void T_FTP::Execute() {
    Connect();
    switch (Mode) {
        case tftp_download:
            Download();
            break;
        case tftp_upload:
            Upload();  // the caller's Stream is what is sent
            break;
        case tftp_getdir:
            ListDirectory(".");
            break;
    }
    Disconnect();
}

}  // namespace tolvane
