#pragma once
// Numbers as the form's fields show and read them, independent of the process locale.
#include <QString>

#include <optional>

namespace platform {

// General notation with 15 significant digits ("%.15g").
QString FormatDouble(double d);
// The number a text begins with, after leading blanks: sign, digits, decimal point and
// exponent; whatever follows is ignored. No number, or one beyond double, gives nothing.
std::optional<double> ScanLeadingDouble(const QString& strText);
// A whole-field decimal integer with optional sign and surrounding blanks; values beyond
// int are clamped so a range check can name the bounds.
std::optional<int> ParseInteger(const QString& strText);

}  // namespace platform
