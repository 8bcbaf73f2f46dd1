#pragma once
// Choosing and installing the back end that fills the driver call table.
#include "instrument/d2xx/D2xxApi.h"

#include <optional>
#include <string>

namespace d2xx {

// The table CSerialPort uses. Never null: before any selection it is the back end that
// D2xxSelect(std::nullopt) would choose, or a table whose every call fails.
const D2XX_API& D2xxActive();
// Installs a table (tests install scripted fakes); returns the previous one.
const D2XX_API* D2xxUse(const D2XX_API* pApi);

// Chooses the back end: the simulated box when simulateOptions is set (empty string means
// the defaults) or, failing that, when VADEL_SIMULATE is in the environment; else the
// vendor library when it loads; else libftdi1. Returns false with a sentence in `error`
// when the chosen back end cannot be used; the active table is then unchanged.
bool D2xxSelect(const std::optional<std::string>& simulateOptions, std::string& error);

// The options from VADEL_SIMULATE, when that variable is set.
std::optional<std::string> SimulateOptionsFromEnvironment();

// The back ends. Each returns nullptr with a sentence in `error` when it cannot be used.
const D2XX_API* VendorLibraryTable(std::string& error);
const D2XX_API* LibftdiTable(std::string& error);
const D2XX_API* SimulatedBoxTable(const std::string& options, std::string& error);

}  // namespace d2xx
