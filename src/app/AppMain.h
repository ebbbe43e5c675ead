#pragma once

namespace tolvane::app {

// The common start-up of the window programs; `title` is the CP932
// application title that chooses the tool.
int RunWindowProgram(const char* title, int argc, char** argv);

}  // namespace tolvane::app
