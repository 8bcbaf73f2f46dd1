#include "instrument/d2xx/D2xxBackends.h"

namespace d2xx {

const D2XX_API* LibftdiTable(std::string& error)
{
    error = "The libftdi1 driver is not available yet.";
    return nullptr;
}

}  // namespace d2xx
