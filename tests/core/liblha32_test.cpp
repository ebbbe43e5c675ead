#include <gtest/gtest.h>

#include <cstring>

#include "archiver/LibLha32.h"

using namespace tolvane;

namespace {
std::string InBin(const char* name) { return std::string(TOLVANE_BIN_DIR) + "/" + name; }
}  // namespace

TEST(LibLha32, AMissingLibraryStopsWithTheStartUpText) {
    try {
        LoadUnlha32(InBin("no-such-library.so"));
        FAIL();
    } catch (const EUnlha32Error& e) {
        EXPECT_STREQ(e.what(), "Unlha32 Module Not Loaded.(UNLHA32.DLL)");
    }
    EXPECT_FALSE(Unlha32Loaded());
    EXPECT_THROW(UnlhaGetVersion(), EUnlha32Error);
}

TEST(LibLha32, OurLibraryExportsEveryEntry) {
    LoadUnlha32(InBin(kUnlha32FileName));
    ASSERT_EQ(Unlha32EntryNames().size(), 40u);
    for (auto name : Unlha32EntryNames()) EXPECT_TRUE(Unlha32HasEntry(name)) << name;
    EXPECT_GT(UnlhaGetVersion(), 0);
    char reply[8];
    // The reply never runs past the caller's buffer and is NUL-terminated.
    Unlha(nullptr, "l x.lzh", reply, sizeof reply);
    EXPECT_LT(std::strlen(reply), sizeof reply);
    FreeUnlha32();
}

TEST(LibLha32, AMissingEntryFailsWhenCalled) {
    LoadUnlha32(std::string(TOLVANE_TEST_LIB_DIR) + "/libpartial_unlha32.so");
    EXPECT_TRUE(Unlha32HasEntry("Unlha"));
    try {
        UnlhaGetVersion();
        FAIL();
    } catch (const EUnlha32Error& e) {
        EXPECT_STREQ(e.what(), "Unlha32 Not Found function(GetVersion)");
    }
    try {
        UnlhaSetCursorMode(1);
        FAIL();
    } catch (const EUnlha32Error& e) {
        EXPECT_STREQ(e.what(), "Unlha32 Not Found function(SetCursorMode)");
    }
    char reply[4];
    EXPECT_EQ(Unlha(nullptr, "t a.lzh", reply, sizeof reply), 0);
    FreeUnlha32();
}
