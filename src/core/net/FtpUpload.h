#pragma once
// The internet road of the upload step: optional POP before FTP, then log-in,
// CWD, STOR under the user ID and log-out, with the clients' lines in the
// step's labels and log.

#include <string>

#include "net/Ftp.h"
#include "net/Pop3.h"
#include "package/StepContext.h"

namespace tolvane {

// Routes the clients' trace lines and data progress to the step's host.
void BindClientsToStep(StepContext& ctx, T_FTP& ftp, T_Pop3& pop);

// Returns "完了" or "失敗" (CP932) for the step's label; throws on an error
// after aborting the FTP client.
std::string UploadByFtp(StepContext& ctx, T_FTP& ftp, T_Pop3& pop, const std::string& package);

}  // namespace tolvane
