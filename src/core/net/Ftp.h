#pragma once
// The FTP client: log-in, CWD, PASV or PORT data connections, STOR/RETR/LIST,
// ABOR, QUIT. Reply codes are left in ReplyCode for the caller to judge; only
// a refused PASV raises. The data connection of PASV always goes to the
// control connection's host (the reply's address is not trusted).

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "net/TcpIp.h"

namespace tolvane {

enum t_ftp_mode : std::uint8_t { tftp_download = 0, tftp_upload = 1, tftp_getdir = 2 };

class T_FTP;
using TDataTransferProc = std::function<void(T_FTP& sender, t_ftp_mode mode, int bytes)>;
using TFTPActionCompleteProc = std::function<void(T_FTP& sender, t_ftp_mode mode)>;

class T_FTP : public T_TcpIp {
  public:
    T_FTP();
    ~T_FTP() override;

    std::string URI;
    // When set (a UTF-8 path), Upload sends this file instead of Stream,
    // reading it chunk by chunk: memory stays flat for any package size.
    std::string UploadFile;
    std::string Password = "guest@tolvane";
    std::string Username = "ftp";
    bool Passive = true;
    std::uint16_t Port = 21;
    t_ftp_mode Mode = tftp_download;
    TDataTransferProc OnDataReceived;
    TFTPActionCompleteProc OnActionComplete;
    // Both modes serve the host's event loop while they wait; with Async the
    // calls still return when the transfer is over.
    bool Async = false;

    int ReplyCode = 0;
    std::string ReplyText;
    int ControlSocket = -1;
    t_ftp_mode CurrentMode = tftp_download;
    std::vector<std::string> DirectoryLines;
    std::int64_t TransferSize = 0;
    bool Busy = false;

    void Connect() override;
    void Disconnect() override;
    void Execute() override;
    void SendLine(const std::string& text) override;
    void ChangeDir(const std::string& directory);
    void Upload();
    void Download();
    void ListDirectory(const std::string& directory);
    void Abort();

  private:
    void ReadReply();
    void OpenDataConnection();
    // After the transfer command's reply: the server's connection in active
    // mode. False when the data connection is not there.
    bool DataConnectionReady();
    void Guard();
    void ReceiveInto(std::vector<char>& target);

    int listener_ = -1;
};

}  // namespace tolvane
