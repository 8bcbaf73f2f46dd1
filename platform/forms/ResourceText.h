#pragma once
// Texts of the string table as Qt strings; the table holds UTF-8.
#include "res/StringTable.h"

#include <QString>

#include <string_view>

inline QString ResourceText(std::string_view str)
{
    return QString::fromUtf8(str.data(), static_cast<qsizetype>(str.size()));
}

inline QString LoadResourceString(int nId)
{
    return ResourceText(res::LoadString(nId));
}
