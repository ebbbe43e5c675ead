// An archiver library that answers every command with its own text, so the
// archiver component's command texts can be read back byte for byte.
#include <cstdint>
#include <cstring>
#include <string>

namespace {
int cursorCalls = 0, unlhaCalls = 0, lastCursor = -1;
}

#define EXPORT extern "C" __attribute__((visibility("default")))

EXPORT std::uint16_t UnlhaGetVersion() { return 266; }
EXPORT int UnlhaSetCursorMode(int mode) {
    ++cursorCalls;
    lastCursor = mode;
    return 1;
}
EXPORT int Unlha(void*, const char* command, char* reply, std::uint32_t size) {
    ++unlhaCalls;
    const std::string text = std::string(command) + "\nsecond\r\n\nlast";
    std::strncpy(reply, text.c_str(), size - 1);
    reply[size - 1] = '\0';
    return 7;
}
EXPORT void EchoCounters(int* cursor, int* unlha, int* mode) {
    *cursor = cursorCalls;
    *unlha = unlhaCalls;
    *mode = lastCursor;
}
