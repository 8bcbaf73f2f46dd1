#pragma once
// Thrown by a data exchange that refused a field, after the operator has been told.
#include "platform/file/CException.h"

class CUserException : public CException {
public:
    CUserException() : CException("field refused") {}
};
