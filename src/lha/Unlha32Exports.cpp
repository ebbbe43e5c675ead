// The archiver library's exported entry points. Unlha() runs one command
// text; the other entries answer as an archiver without an open archive.

#include <cstdint>
#include <cstring>
#include <exception>

#include "CommandText.h"
#include "Commands.h"
#include "Reply.h"

namespace {

constexpr int kErrorNotSupported = tolvane::lha::kErrNotSupported;

int cursorMode = 0;
int backGroundMode = 0;
std::uint32_t cursorInterval = 80;

// The reply never runs past the caller's buffer and always ends in a NUL.
void WriteReply(char* buffer, std::uint32_t size, const std::string& text) {
    if (buffer == nullptr || size == 0) return;
    std::size_t n = text.size();
    if (n >= size) n = size - 1;
    std::memcpy(buffer, text.data(), n);
    buffer[n] = '\0';
}

}  // namespace

#define TOLVANE_EXPORT extern "C" __attribute__((visibility("default")))

TOLVANE_EXPORT std::uint16_t UnlhaGetVersion() { return 100; }
TOLVANE_EXPORT int UnlhaGetRunning() { return 0; }
TOLVANE_EXPORT int UnlhaGetBackGroundMode() { return backGroundMode; }
TOLVANE_EXPORT int UnlhaSetBackGroundMode(int mode) {
    backGroundMode = mode;
    return 1;
}
TOLVANE_EXPORT int UnlhaGetCursorMode() { return cursorMode; }
TOLVANE_EXPORT int UnlhaSetCursorMode(int mode) {
    cursorMode = mode;
    return 1;
}
TOLVANE_EXPORT std::uint16_t UnlhaGetCursorInterval() {
    return static_cast<std::uint16_t>(cursorInterval);
}
TOLVANE_EXPORT int UnlhaSetCursorInterval(std::uint16_t interval) {
    cursorInterval = interval;
    return 1;
}
TOLVANE_EXPORT int Unlha(void*, const char* command, char* reply, std::uint32_t replySize) {
    using namespace tolvane::lha;
    tolvane::lha::Reply out;
    try {
        const CommandText c = ParseCommandText(command == nullptr ? "" : command);
        switch (c.command) {
            case 'a':
            case 'u':
                AddToArchive(c, out);
                break;
            case 'e':
            case 'x':
                ExtractArchive(c, out);
                break;
            case 'l':
            case 'v':
                ListArchive(c, out);
                break;
            case 't':
                TestArchive(c, out);
                break;
            case 'd':
                DeleteFromArchive(c, out);
                break;
            default:
                out.Fail(LhaError(kErrNotSupported, "command not available"));
        }
    } catch (const LhaError& e) {
        out.Fail(e);
    } catch (const std::bad_alloc&) {
        out.Fail(LhaError(kErrRead, "out of memory"));
    } catch (const std::exception& e) {
        out.Fail(LhaError(kErrRead, e.what()));
    }
    WriteReply(reply, replySize, out.Text());
    return out.Code();
}
TOLVANE_EXPORT int UnlhaCheckArchive(const char*, int) { return 0; }
TOLVANE_EXPORT int UnlhaGetFileCount(const char*) { return -1; }
TOLVANE_EXPORT int UnlhaQueryFunctionList(int) { return 0; }
TOLVANE_EXPORT int UnlhaConfigDialog(void*, char*, int) { return kErrorNotSupported; }
TOLVANE_EXPORT void* UnlhaOpenArchive(void*, const char*, std::uint32_t) { return nullptr; }
TOLVANE_EXPORT int UnlhaCloseArchive(void*) { return kErrorNotSupported; }
TOLVANE_EXPORT int UnlhaFindFirst(void*, const char*, void*) { return -1; }
TOLVANE_EXPORT int UnlhaFindNext(void*, void*) { return -1; }
TOLVANE_EXPORT int UnlhaGetArcFileName(void*, char*, int) { return kErrorNotSupported; }
TOLVANE_EXPORT std::uint32_t UnlhaGetArcFileSize(void*) { return 0xFFFFFFFFu; }
TOLVANE_EXPORT std::uint32_t UnlhaGetArcOriginalSize(void*) { return 0xFFFFFFFFu; }
TOLVANE_EXPORT std::uint32_t UnlhaGetArcCompressedSize(void*) { return 0xFFFFFFFFu; }
TOLVANE_EXPORT std::uint16_t UnlhaGetArcRatio(void*) { return 0xFFFF; }
TOLVANE_EXPORT std::uint16_t UnlhaGetArcDate(void*) { return 0xFFFF; }
TOLVANE_EXPORT std::uint16_t UnlhaGetArcTime(void*) { return 0xFFFF; }
TOLVANE_EXPORT std::uint32_t UnlhaGetArcOSType(void*) { return 0xFFFFFFFFu; }
TOLVANE_EXPORT int UnlhaGetFileName(void*, char*, int) { return kErrorNotSupported; }
TOLVANE_EXPORT int UnlhaGetMethod(void*, char*, int) { return kErrorNotSupported; }
TOLVANE_EXPORT std::uint32_t UnlhaGetOriginalSize(void*) { return 0xFFFFFFFFu; }
TOLVANE_EXPORT std::uint32_t UnlhaGetCompressedSize(void*) { return 0xFFFFFFFFu; }
TOLVANE_EXPORT std::uint16_t UnlhaGetRatio(void*) { return 0xFFFF; }
TOLVANE_EXPORT std::uint16_t UnlhaGetDate(void*) { return 0xFFFF; }
TOLVANE_EXPORT std::uint16_t UnlhaGetTime(void*) { return 0xFFFF; }
TOLVANE_EXPORT std::uint32_t UnlhaGetWriteTime(void*) { return 0xFFFFFFFFu; }
TOLVANE_EXPORT std::uint32_t UnlhaGetCreateTime(void*) { return 0xFFFFFFFFu; }
TOLVANE_EXPORT std::uint32_t UnlhaGetAccessTime(void*) { return 0xFFFFFFFFu; }
TOLVANE_EXPORT std::uint32_t UnlhaGetCRC(void*) { return 0xFFFFFFFFu; }
TOLVANE_EXPORT int UnlhaGetAttribute(void*) { return -1; }
TOLVANE_EXPORT std::uint32_t UnlhaGetOSType(void*) { return 0xFFFFFFFFu; }
TOLVANE_EXPORT int UnlhaSetOwnerWindow(void*) { return 1; }
TOLVANE_EXPORT int UnlhaClearOwnerWindow() { return 1; }
