#include "net/Pop3.h"

#include <charconv>

namespace tolvane {
namespace {

int Integer(const std::string& s) {
    int v = 0;
    auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || end != s.data() + s.size())
        throw EProtocolError("POP3", 999, "not a number: " + s);
    return v;
}

}  // namespace

T_Pop3::T_Pop3() { RemotePort = 110; }

T_Pop3::~T_Pop3() {
    OnTrace = nullptr;
    if (Socket != -1) {
        try {
            Disconnect();
        } catch (...) {
        }
    }
}

void CheckPop3Status(const std::string& line) {
    if (line.compare(0, 3, "+OK") == 0) return;
    if (line.compare(0, 4, "-ERR") == 0) throw EProtocolError("POP3", 500, line);
    throw EProtocolError("POP3", 999, line);
}

void T_Pop3::CheckReply() {
    const std::string line = ReadLine(Socket).value_or("");
    Trace(line, tt_received_line);
    CheckPop3Status(line);
}

std::vector<std::string> T_Pop3::ReadUntilDot() {
    std::vector<std::string> lines;
    while (true) {
        std::optional<std::string> line = ReadLine(Socket);
        if (!line)
            throw EProtocolError("POP3", 999, "connection closed before the end of the answer");
        if (*line == ".") return lines;
        lines.push_back(*line);
    }
}

void T_Pop3::Connect() {
    RefuseLineBreaks(UserName);
    RefuseLineBreaks(Password);
    T_TcpIp::Connect();
    CheckReply();
    SendLine("USER " + UserName);
    CheckReply();
    SendText(Socket, "PASS " + Password + "\r\n");
    Trace("PASS *****", tt_sent_line);
    CheckReply();
    SendLine("LIST");
    CheckReply();
    NumberOfMails = 0;
    for (const std::string& line : ReadUntilDot()) {
        const auto space = line.find(' ');
        t_reply r;
        r.MessageNumber = Integer(line.substr(0, space));
        r.MessageSize = space == std::string::npos ? 0 : Integer(line.substr(space + 1));
        MessageList.push_back(r);
        ++NumberOfMails;
    }
}

void T_Pop3::Retrieve(int message) {
    if (!Connected) Connect();
    SendLine("RETR " + std::to_string(message));
    CheckReply();
    MessageLines = ReadUntilDot();
}

void T_Pop3::Disconnect() {
    if (Connected) {
        SendLine("QUIT");
        CheckReply();
    }
    T_TcpIp::Disconnect();
    MessageList.clear();
}

void T_Pop3::Execute() {
    Connect();
    if (!MessageList.empty()) Retrieve(1);
    Disconnect();
}

}  // namespace tolvane
