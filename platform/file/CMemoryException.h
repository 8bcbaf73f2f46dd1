#pragma once
// Memory exhaustion, as the recording run expects to catch it.
#include "platform/file/CException.h"

class CMemoryException : public CException {
public:
    CMemoryException() : CException("Out of memory.") {}
};
