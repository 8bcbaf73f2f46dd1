// Menu 128, accelerators 128, toolbar 128 and the status bar panes.
#include "res/FrameResources.h"
#include "res/Resource.h"

#include <array>

namespace res {
namespace {

constexpr MENUITEM kSeparator{ID_SEPARATOR, "", MF_SEPARATOR};

constexpr std::array kFileItems{
    MENUITEM{ID_FILE_NEW, "&New\tCtrl+N", 0},
    MENUITEM{ID_FILE_OPEN, "&Open...\tCtrl+O", 0},
    MENUITEM{ID_FILE_SAVE, "&Save\tCtrl+S", 0},
    MENUITEM{ID_FILE_SAVE_AS, "Save &As...", 0},
    kSeparator,
    MENUITEM{ID_FILE_MRU_FILE1, "Recent File", MF_GRAYED},
    kSeparator,
    MENUITEM{ID_APP_EXIT, "E&xit", 0},
};

constexpr std::array kEditItems{
    MENUITEM{ID_EDIT_UNDO, "&Undo\tCtrl+Z", 0},
    kSeparator,
    MENUITEM{ID_EDIT_CUT, "Cu&t\tCtrl+X", 0},
    MENUITEM{ID_EDIT_COPY, "&Copy\tCtrl+C", 0},
    MENUITEM{ID_EDIT_PASTE, "&Paste\tCtrl+V", 0},
};

constexpr std::array kViewItems{
    MENUITEM{ID_VIEW_TOOLBAR, "&Toolbar", 0},
    MENUITEM{ID_VIEW_STATUS_BAR, "&Status Bar", 0},
};

constexpr std::array kHelpItems{
    MENUITEM{ID_APP_ABOUT, "&About Vadel...", 0},
};

constexpr std::array kMenu{
    MENUPOPUP{"&File", kFileItems},
    MENUPOPUP{"&Edit", kEditItems},
    MENUPOPUP{"&View", kViewItems},
    MENUPOPUP{"&Help", kHelpItems},
};

constexpr std::array kAccelerators{
    ACCEL{FCONTROL, "N", "Ctrl+N", ID_FILE_NEW},
    ACCEL{FCONTROL, "O", "Ctrl+O", ID_FILE_OPEN},
    ACCEL{FCONTROL, "S", "Ctrl+S", ID_FILE_SAVE},
    ACCEL{FCONTROL, "Z", "Ctrl+Z", ID_EDIT_UNDO},
    ACCEL{FALT, "Backspace", "Alt+Backspace", ID_EDIT_UNDO},
    ACCEL{FCONTROL, "X", "Ctrl+X", ID_EDIT_CUT},
    ACCEL{FSHIFT, "Del", "Shift+Del", ID_EDIT_CUT},
    ACCEL{FCONTROL, "C", "Ctrl+C", ID_EDIT_COPY},
    ACCEL{FCONTROL, "Ins", "Ctrl+Ins", ID_EDIT_COPY},
    ACCEL{FCONTROL, "V", "Ctrl+V", ID_EDIT_PASTE},
    ACCEL{FSHIFT, "Ins", "Shift+Ins", ID_EDIT_PASTE},
    ACCEL{0, "F6", "F6", ID_NEXT_PANE},
    ACCEL{FSHIFT, "F6", "Shift+F6", ID_PREV_PANE},
};

constexpr std::array kToolbar{
    ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, ID_SEPARATOR, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE,
    ID_SEPARATOR, ID_FILE_PRINT, ID_APP_ABOUT,
};

constexpr std::array kIndicators{ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL};

}  // namespace

std::span<const MENUPOPUP> GetMainMenu() { return kMenu; }
std::span<const ACCEL> GetAccelerators() { return kAccelerators; }
std::span<const int> GetToolbarButtons() { return kToolbar; }
std::span<const int> GetStatusIndicators() { return kIndicators; }

}  // namespace res
