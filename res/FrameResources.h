#pragma once
// Menu, accelerator table and toolbar of the main frame (resource 128), as data.
#include <cstdint>
#include <span>

namespace res {

enum : std::uint32_t {
    MF_SEPARATOR = 1u << 0,
    MF_GRAYED = 1u << 1,
};

struct MENUITEM {
    int nId;                  // 0 for a separator
    const char* szText;       // "&" marks the mnemonic; "\t" is followed by the key text
    std::uint32_t dwFlags;
};

struct MENUPOPUP {
    const char* szText;
    std::span<const MENUITEM> items;
};

// Accelerator modifiers.
enum : std::uint32_t {
    FCONTROL = 1u << 0,
    FSHIFT = 1u << 1,
    FALT = 1u << 2,
};

struct ACCEL {
    std::uint32_t fVirt;      // modifiers
    const char* szKey;        // key name: "N", "Backspace", "Del", "Ins", "F6"
    const char* szKeys;       // the whole combination in portable text, e.g. "Ctrl+N"
    int nCmd;
};

// Menu 128, left to right.
std::span<const MENUPOPUP> GetMainMenu();
// Accelerator table 128.
std::span<const ACCEL> GetAccelerators();

// Toolbar 128: button commands left to right, ID_SEPARATOR for a gap.
inline constexpr int kToolbarButtonWidth = 16;
inline constexpr int kToolbarButtonHeight = 15;
std::span<const int> GetToolbarButtons();

// The status bar panes after the message pane.
std::span<const int> GetStatusIndicators();

}  // namespace res
