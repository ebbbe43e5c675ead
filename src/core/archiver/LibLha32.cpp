#include "archiver/LibLha32.h"

#include <dlfcn.h>

#include <map>

namespace tolvane {
namespace {

struct Binding {
    void* handle = nullptr;
    std::map<std::string_view, void*> entries;
};

Binding& State() {
    static Binding binding;
    return binding;
}

void* Entry(std::string_view name) {
    auto& entries = State().entries;
    auto it = entries.find(name);
    if (it == entries.end() || it->second == nullptr) {
        std::string shown(name);
        // The message names the entry without its "Unlha" prefix, except
        // for the entry that is called "Unlha" itself.
        if (shown != "Unlha" && shown.rfind("Unlha", 0) == 0) shown.erase(0, 5);
        throw EUnlha32Error("Unlha32 Not Found function(" + shown + ")");
    }
    return it->second;
}

template <typename Fn>
Fn EntryAs(std::string_view name) {
    return reinterpret_cast<Fn>(Entry(name));
}

}  // namespace

const std::vector<std::string_view>& Unlha32EntryNames() {
    static const std::vector<std::string_view> names = {
        "UnlhaGetVersion",
        "UnlhaGetRunning",
        "UnlhaGetBackGroundMode",
        "UnlhaSetBackGroundMode",
        "UnlhaGetCursorMode",
        "UnlhaSetCursorMode",
        "UnlhaGetCursorInterval",
        "UnlhaSetCursorInterval",
        "Unlha",
        "UnlhaCheckArchive",
        "UnlhaGetFileCount",
        "UnlhaQueryFunctionList",
        "UnlhaConfigDialog",
        "UnlhaOpenArchive",
        "UnlhaCloseArchive",
        "UnlhaFindFirst",
        "UnlhaFindNext",
        "UnlhaGetArcFileName",
        "UnlhaGetArcFileSize",
        "UnlhaGetArcOriginalSize",
        "UnlhaGetArcCompressedSize",
        "UnlhaGetArcRatio",
        "UnlhaGetArcDate",
        "UnlhaGetArcTime",
        "UnlhaGetArcOSType",
        "UnlhaGetFileName",
        "UnlhaGetMethod",
        "UnlhaGetOriginalSize",
        "UnlhaGetCompressedSize",
        "UnlhaGetRatio",
        "UnlhaGetDate",
        "UnlhaGetTime",
        "UnlhaGetWriteTime",
        "UnlhaGetCreateTime",
        "UnlhaGetAccessTime",
        "UnlhaGetCRC",
        "UnlhaGetAttribute",
        "UnlhaGetOSType",
        "UnlhaSetOwnerWindow",
        "UnlhaClearOwnerWindow",
    };
    return names;
}

void LoadUnlha32(const std::string& utf8LibraryPath) {
    FreeUnlha32();
    void* handle = dlopen(utf8LibraryPath.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) throw EUnlha32Error(kUnlha32NotLoaded);
    Binding& b = State();
    b.handle = handle;
    for (std::string_view name : Unlha32EntryNames()) {
        b.entries[name] = dlsym(handle, std::string(name).c_str());
    }
}

void FreeUnlha32() {
    Binding& b = State();
    if (b.handle != nullptr) dlclose(b.handle);
    b.handle = nullptr;
    b.entries.clear();
}

bool Unlha32Loaded() { return State().handle != nullptr; }

bool Unlha32HasEntry(std::string_view name) {
    auto it = State().entries.find(name);
    return it != State().entries.end() && it->second != nullptr;
}

std::uint16_t UnlhaGetVersion() { return EntryAs<std::uint16_t (*)()>("UnlhaGetVersion")(); }

int UnlhaSetCursorMode(int cursorMode) {
    return EntryAs<int (*)(int)>("UnlhaSetCursorMode")(cursorMode);
}

int Unlha(void* ownerWindow, const char* command, char* reply, std::uint32_t replySize) {
    return EntryAs<int (*)(void*, const char*, char*, std::uint32_t)>("Unlha")(ownerWindow, command,
                                                                               reply, replySize);
}

}  // namespace tolvane
