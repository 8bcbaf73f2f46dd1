#pragma once
// The element accessors behind the type codes.
#include "chart/GraphTypes.h"

namespace graph {

// Fills table[0..12] by type code.
void FillAccessorTable(GRAPHACCESSOR table[GT_COUNT]);
// The accessor of a code; codes above nLastCode or below 0 read unsigned bytes.
GRAPHACCESSOR AccessorFor(const GRAPHACCESSOR table[GT_COUNT], int nCode, int nLastCode);
double IndexAccessor(const void* pData, std::ptrdiff_t nIndex);
double Identity(double v);

}  // namespace graph
