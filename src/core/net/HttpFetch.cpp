#include "net/HttpFetch.h"

#include <curl/curl.h>
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <memory>

#include "package/ProgressThrottle.h"
#include "text/Cp932.h"

namespace tolvane {
namespace {

constexpr char kAgent[] = "Quorvik";
constexpr int kPollMs = 20;  // the longest the window waits for the network

struct CurlGlobal {
    CurlGlobal() { curl_global_init(CURL_GLOBAL_DEFAULT); }
    ~CurlGlobal() { curl_global_cleanup(); }
};

struct Transfer {
    StepContext* ctx;
    int fd;
    bool writeFailed = false;
    ProgressThrottle throttle;
    std::string doneText;
};

size_t OnBody(char* data, size_t size, size_t count, void* user) {
    auto* t = static_cast<Transfer*>(user);
    const size_t n = size * count;
    size_t written = 0;
    while (written < n) {
        const ssize_t w = write(t->fd, data + written, n - written);
        if (w < 0 && errno == EINTR) continue;
        if (w <= 0) {
            t->writeFailed = true;
            return 0;  // ends the transfer with a write error
        }
        written += static_cast<size_t>(w);
    }
    t->ctx->State.ByteCount += static_cast<std::int64_t>(n);
    if (t->throttle.Due()) {
        t->ctx->Host.SetProLabel2(std::to_string(t->ctx->State.ByteCount) + t->doneText);
    }
    return n;
}

// Bytes a URL cannot carry as they are (the CP932 bytes of a Japanese user
// ID, blanks) are sent percent-encoded.
std::string UrlBytes(const std::string& url) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : url) {
        if (c <= 0x20 || c >= 0x7F) {
            out += '%';
            out += kHex[c >> 4];
            out += kHex[c & 0xF];
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

}  // namespace

void FetchUrlToFile(StepContext& ctx, const std::string& url, const std::string& target,
                    const HttpTimeouts& timeouts) {
    static CurlGlobal global;
    ctx.State.ByteCount = 0;
    const std::string path = FsPath(target);
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) throw EHttpError("cannot create the package file");

    Transfer t{&ctx, fd, false, ProgressThrottle(ctx.ProgressInterval), Sj(" Byte 完了しました。")};
    std::unique_ptr<CURL, void (*)(CURL*)> easy(curl_easy_init(), curl_easy_cleanup);
    std::unique_ptr<CURLM, CURLMcode (*)(CURLM*)> multi(curl_multi_init(), curl_multi_cleanup);
    char error[CURL_ERROR_SIZE] = "";
    CURL* e = easy.get();
    const std::string address = UrlBytes(url);
    curl_easy_setopt(e, CURLOPT_URL, address.c_str());
    curl_easy_setopt(e, CURLOPT_USERAGENT, kAgent);
    curl_easy_setopt(e, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(e, CURLOPT_MAXREDIRS, 10L);
    curl_easy_setopt(e, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(e, CURLOPT_CONNECTTIMEOUT, static_cast<long>(timeouts.Connect.count()));
    curl_easy_setopt(e, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(e, CURLOPT_LOW_SPEED_TIME, static_cast<long>(timeouts.Stall.count()));
    curl_easy_setopt(e, CURLOPT_WRITEFUNCTION, OnBody);
    curl_easy_setopt(e, CURLOPT_WRITEDATA, &t);
    curl_easy_setopt(e, CURLOPT_ERRORBUFFER, error);
    // Always from the server, never from a cache on the way.
    curl_slist* headers = curl_slist_append(nullptr, "Cache-Control: no-cache");
    headers = curl_slist_append(headers, "Pragma: no-cache");
    curl_easy_setopt(e, CURLOPT_HTTPHEADER, headers);
    curl_multi_add_handle(multi.get(), e);

    CURLcode result = CURLE_OK;
    bool stopped = false;
    int running = 1;
    while (running > 0) {
        curl_multi_perform(multi.get(), &running);
        if (running > 0) curl_multi_poll(multi.get(), nullptr, 0, kPollMs, nullptr);
        ctx.Host.ProcessMessages();
        if (ctx.State.AbortRequested) {
            stopped = true;
            break;
        }
    }
    if (!stopped) {
        int left = 0;
        while (CURLMsg* m = curl_multi_info_read(multi.get(), &left)) {
            if (m->msg == CURLMSG_DONE) result = m->data.result;
        }
    }
    long status = 0;
    curl_easy_getinfo(e, CURLINFO_RESPONSE_CODE, &status);
    curl_multi_remove_handle(multi.get(), e);
    curl_slist_free_all(headers);
    const bool closed = close(fd) == 0;

    const std::string count = std::to_string(ctx.State.ByteCount) + t.doneText;
    ctx.Host.SetProLabel2(count);
    if (stopped) {
        ctx.Host.AddLog(count);
        return;
    }
    std::string failure;
    if (result != CURLE_OK) {
        failure = error[0] != '\0' ? error : curl_easy_strerror(result);
    } else if (status >= 400) {
        failure = "HTTP " + std::to_string(status);
    } else if (!closed || t.writeFailed) {
        failure = "cannot write the package file";
    }
    if (!failure.empty()) {
        unlink(path.c_str());
        // The reason goes to the log, so the user can tell a missing package
        // from a server that cannot be reached.
        ctx.Host.AddLog(count);
        ctx.Host.AddLog(failure);
        throw EHttpError(failure);
    }
    ctx.Host.AddLog(count);
}

}  // namespace tolvane
