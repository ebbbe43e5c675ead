#pragma once
// The keyless "$$" form that keeps passwords from being read at a glance in
// the settings file and the package header.

#include <string>
#include <string_view>

namespace tolvane {

std::string ScrambleText(std::string_view plain);
// Both bytes of every group are returned, so an odd-length text comes back
// with a trailing 0 byte; a text without the "$$" prefix comes back unchanged.
std::string UnscrambleText(std::string_view scrambled);

}  // namespace tolvane
