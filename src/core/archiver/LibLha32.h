#pragma once
// Run-time binding to the archiver library. It is loaded once at start-up
// from the program folder; every entry point is looked up by name, and one
// the library lacks raises EUnlha32Error when it is called, not when loading.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tolvane {

class EUnlha32Error : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

inline constexpr char kUnlha32FileName[] = "libunlha32.so";
inline constexpr char kUnlha32NotLoaded[] = "Unlha32 Module Not Loaded.(UNLHA32.DLL)";

// The 40 entry names the binding looks up, in the library's own order.
const std::vector<std::string_view>& Unlha32EntryNames();

// Throws EUnlha32Error(kUnlha32NotLoaded) when the library cannot be loaded.
void LoadUnlha32(const std::string& utf8LibraryPath);
void FreeUnlha32();
bool Unlha32Loaded();
bool Unlha32HasEntry(std::string_view name);

// The entries the tool calls. Each throws "Unlha32 Not Found function(X)"
// when the loaded library does not export it.
std::uint16_t UnlhaGetVersion();
int UnlhaSetCursorMode(int cursorMode);
int Unlha(void* ownerWindow, const char* command, char* reply, std::uint32_t replySize);

}  // namespace tolvane
