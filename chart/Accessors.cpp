#include "chart/Accessors.h"

#include <cstdint>
#include <cstring>

namespace graph {
namespace {

template <typename T>
double Read(const void* pData, std::ptrdiff_t nIndex)
{
    // memcpy: a caller's buffer need not be aligned for T (interleaved device records).
    T value;
    std::memcpy(&value, static_cast<const unsigned char*>(pData) + nIndex * std::ptrdiff_t(sizeof(T)),
                sizeof(T));
    return static_cast<double>(value);
}

}  // namespace

double IndexAccessor(const void*, std::ptrdiff_t nIndex)
{
    return static_cast<double>(nIndex);
}

double Identity(double v)
{
    return v;
}

void FillAccessorTable(GRAPHACCESSOR table[GT_COUNT])
{
    table[GT_FLOAT] = &Read<float>;
    table[GT_DOUBLE] = &Read<double>;
    table[GT_DOUBLE2] = &Read<double>;
    table[GT_INT8] = &Read<std::int8_t>;
    table[GT_UINT8] = &Read<std::uint8_t>;
    table[GT_INT16] = &Read<std::int16_t>;
    table[GT_UINT16] = &Read<std::uint16_t>;
    table[GT_INT32] = &Read<std::int32_t>;
    table[GT_UINT32] = &Read<std::uint32_t>;
    table[GT_INT32B] = &Read<std::int32_t>;
    table[GT_UINT32B] = &Read<std::uint32_t>;
    table[GT_INDEX] = &IndexAccessor;
    table[GT_INDEX2] = &IndexAccessor;
}

GRAPHACCESSOR AccessorFor(const GRAPHACCESSOR table[GT_COUNT], int nCode, int nLastCode)
{
    if (nCode < 0 || nCode > nLastCode || nCode >= GT_COUNT)
        return table[GT_UINT8];
    return table[nCode];
}

}  // namespace graph
