#include "AppMain.h"
#include "jobs/ShellTexts.h"

int main(int argc, char** argv) {
    return tolvane::app::RunWindowProgram(tolvane::kSendTitle, argc, argv);
}
