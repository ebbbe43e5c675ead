// The archiver library's exported entry points. The command interpreter
// behind Unlha() is not built yet: every command answers with an error code
// and a reply line saying so, so callers see a clear failure, never a silent
// success.

#include <cstdint>
#include <cstring>

namespace {

constexpr int kErrorNotSupported = 0x8017;  // command not available
constexpr char kNotAvailable[] = "Tolvane archiver: this command is not available yet.\r\n";

int cursorMode = 0;
int backGroundMode = 0;
std::uint32_t cursorInterval = 80;

void Reply(char* buffer, std::uint32_t size, const char* text) {
    if (buffer == nullptr || size == 0) return;
    std::size_t n = std::strlen(text);
    if (n >= size) n = size - 1;
    std::memcpy(buffer, text, n);
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
TOLVANE_EXPORT int Unlha(void*, const char*, char* reply, std::uint32_t replySize) {
    Reply(reply, replySize, kNotAvailable);
    return kErrorNotSupported;
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
