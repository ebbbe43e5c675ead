#pragma once
// Numbers laid into a picture such as "###,###,###,###,##0.####": "0" a digit
// always shown, "#" a digit shown when significant, "," anywhere before the
// point groups the whole part by thousands, "." the decimal point, quoted
// text and other characters copied where they stand.

#include <string>
#include <string_view>

namespace tolvane {

// A number too large for the picture's digits comes out in exponent form
// ("1.5E+20"), which callers treat as no fit.
std::string FormatNumberPicture(double value, std::string_view picture);

}  // namespace tolvane
