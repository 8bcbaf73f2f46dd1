#pragma once
// printf-style number texts that do not follow the process locale: a host program may
// set one with a decimal comma, and tick labels must read the same everywhere.
#include <string>

namespace graph {

// As "%g".
std::string FormatG(double v);
// As "%.*f"; a negative precision prints six decimals, as printf does.
std::string FormatFixed(double v, int nPrecision);
// Characters of a UTF-8 text (a multi-byte sign counts once).
int CountChars(const std::string& strUtf8);

}  // namespace graph
