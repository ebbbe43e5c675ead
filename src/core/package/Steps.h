#pragma once
// The five steps of the jobs, each reporting through the step pattern (title,
// details and outcome in the labels and the log; a failure turns the panel red
// and sets the abort flag).

#include <functional>
#include <string>

#include "package/StepContext.h"

namespace tolvane {

// The internet roads, supplied by the network layer; unset roads fail.
struct InternetRoads {
    // Fetches `url` into `target` (CP932 path). Throws on any failure.
    std::function<void(StepContext&, const std::string& url, const std::string& target)>
        FetchUrlToFile;
    // Delivers the package by FTP (optionally after POP3). Returns the label
    // word after UploadWord ("完了" or "失敗"); throws on an error.
    std::function<std::string(StepContext&, const std::string& package)> UploadByFtp;
};

void DownloadStep(StepContext& ctx, const InternetRoads& roads);  // "① Down"
void ExtractStep(StepContext& ctx);                               // "② 解凍"
void CleanUpStep(StepContext& ctx);                               // "④ 消去"
void CompressStep(StepContext& ctx);                              // "⑦ 圧縮"
void UploadStep(StepContext& ctx, const InternetRoads& roads);    // "⑧ Up"

}  // namespace tolvane
