#pragma once
// The libftdi1 back end's call table, whether or not USB can be reached right now
// (LibftdiTable declines then); its calls answer "device not found" without a USB stack.
#include "instrument/d2xx/D2xxApi.h"

namespace d2xx {

const D2XX_API& LibftdiCallTable();

}  // namespace d2xx
