// An archiver library with only the command entry: every other entry the
// binding looks up is missing.
#include <cstdint>

extern "C" __attribute__((visibility("default"))) int Unlha(void*, const char*, char* reply,
                                                            std::uint32_t size) {
    if (reply != nullptr && size > 0) reply[0] = '\0';
    return 0;
}
