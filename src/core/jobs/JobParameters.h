#pragma once
// The job's inputs, copied from the window's fields as they stand (untrimmed).

#include <string>

namespace tolvane {

struct JobParameters {
    std::string JobUser;  // also names the package file
    std::string JobPassword;
    std::string JobSendFolder;
    std::string JobReceiveAddress;
    std::string JobSaveFolder;
    std::string JobFtpServer;
    std::string JobFtpFolder;
    std::string JobFtpUser;
    std::string JobFtpPassword;
    bool JobPopCheck = false;
    std::string JobPopServer;
    std::string JobPopUser;
    std::string JobPopPassword;
    bool JobDialCheck = false;
    std::string JobDialEntry;  // empty for "ＬＡＮ接続"
    std::string JobDialUser;
    std::string JobDialPassword;
    std::string DownloadWord;
    std::string UploadWord;
};

}  // namespace tolvane
