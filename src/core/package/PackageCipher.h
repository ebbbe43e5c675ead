#pragma once
// The package file: a 1000-byte header holding the scrambled password, then
// the archive in 1000-byte blocks, each stored with its bytes reversed.

#include <cstddef>
#include <string>

#include "package/StepContext.h"

namespace tolvane {

inline constexpr std::size_t kPackageHeaderSize = 1000;
inline constexpr std::size_t kPackageBlockSize = 1000;

// Work file → package file ("暗号化中"). Skips its work when the abort flag is
// already set and only reports "暗号化中止".
void EncryptPackage(StepContext& ctx);

// Package file → work file ("暗号解析中"), then the password check.
void DecryptPackage(StepContext& ctx);

// The header bytes for a password (scrambled, cut at 1000, zero-filled).
std::string PackageHeader(const std::string& password);

// Reads the first bytes of a package: `headerText` gets every non-zero byte
// of the header. Returns empty for a sound header, else the log line (CP932)
// that says what is wrong with it.
std::string CheckPackageHeader(const std::string& firstBytes, std::string& headerText);

}  // namespace tolvane
