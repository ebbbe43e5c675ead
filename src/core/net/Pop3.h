#pragma once
// The POP3 client used for "POP before FTP": log in, list, fetch message 1,
// log out. Every status line but "+OK" raises EProtocolError("POP3", …).

#include <string>
#include <vector>

#include "net/TcpIp.h"

namespace tolvane {

struct t_reply {
    int MessageNumber = 0;
    int MessageSize = 0;
};

// Raises unless a status line begins with "+OK": code 500 for "-ERR",
// 999 for anything else.
void CheckPop3Status(const std::string& line);

class T_Pop3 : public T_TcpIp {
  public:
    T_Pop3();
    ~T_Pop3() override;

    std::string UserName;
    std::string Password;
    std::vector<t_reply> MessageList;
    std::vector<std::string> MessageLines;
    int NumberOfMails = 0;

    void Connect() override;
    void Disconnect() override;
    void Execute() override;
    void Retrieve(int message);
    void CheckReply();

  private:
    // The lines of a multi-line answer up to its "." line.
    std::vector<std::string> ReadUntilDot();
};

}  // namespace tolvane
