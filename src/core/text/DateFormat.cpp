#include "text/DateFormat.h"

namespace tolvane {
namespace {
std::string& Format() {
    static std::string format = "yyyy/mm/dd";
    return format;
}
}  // namespace

void SetShortDateFormat(const std::string& format) { Format() = format; }
const std::string& ShortDateFormat() { return Format(); }

}  // namespace tolvane
