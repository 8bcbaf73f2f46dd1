#pragma once
// Dialog templates as data: what a window builder needs to lay out a dialog or form.
// Positions and sizes are in dialog units; the order of the items is the tab order.
#include <cstdint>
#include <span>

namespace res {

enum class CONTROLKIND : std::uint8_t {
    PushButton,
    Edit,
    AutoCheckBox,
    GroupBox,
    Static,
    Progress,
    Icon,
};

// Item styles (bit flags of our own numbering).
enum : std::uint32_t {
    WS_TABSTOP = 1u << 0,
    WS_GROUP = 1u << 1,       // starts a new group for arrow-key movement
    WS_DISABLED = 1u << 2,
    WS_BORDER = 1u << 3,
    ES_AUTOHSCROLL = 1u << 4,
    BS_DEFPUSHBUTTON = 1u << 5,
    PBS_SMOOTH = 1u << 6,
};

// Dialog styles.
enum : std::uint32_t {
    DS_CHILD = 1u << 0,       // lives inside another window (a form view)
    DS_POPUP = 1u << 1,       // a top-level dialog
    DS_CAPTION = 1u << 2,
    DS_SYSMENU = 1u << 3,
    DS_MODALFRAME = 1u << 4,
};

struct DLGITEM {
    int nId;                  // IDC_STATIC (-1) for items nobody addresses
    CONTROLKIND kind;
    const char* szText;       // caption (UTF-8); empty for edits
    int x, y, cx, cy;
    std::uint32_t dwStyle;
    int nResource = 0;        // icon resource of an Icon item
};

struct DLGTEMPLATE {
    int nId;
    const char* szCaption;
    int cx, cy;
    std::uint32_t dwStyle;
    const char* szFontName;
    int nPointSize;
    std::span<const DLGITEM> items;
};

// The template with that resource id, or nullptr.
const DLGTEMPLATE* FindDialogTemplate(int nId);

}  // namespace res
