#pragma once
// The process-wide short date format that date texts and date fields use.

#include <string>

namespace tolvane {

void SetShortDateFormat(const std::string& format);
const std::string& ShortDateFormat();  // "yyyy/mm/dd" unless set otherwise

}  // namespace tolvane
