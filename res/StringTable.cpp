// String table entries of the program.
#include "res/StringTable.h"
#include "res/Resource.h"

#include <algorithm>
#include <array>

namespace res {
namespace {

struct STRINGENTRY {
    int nId;
    std::string_view str;
};

// Kept sorted by id for the lookup.
constexpr std::array kStrings{
    STRINGENTRY{IDR_MAINFRAME, "Vadel\n\nVadel\n\n\nVadel.Document\nVadel.Document"},
    STRINGENTRY{IDS_APP_TITLE, "Vadel"},
    STRINGENTRY{IDS_IDLEMESSAGE, "Ready"},
    STRINGENTRY{ID_FILE_NEW, "Create a new document\nNew"},
    STRINGENTRY{ID_FILE_OPEN, "Open an existing document\nOpen"},
    STRINGENTRY{ID_FILE_SAVE, "Save the active document\nSave"},
    STRINGENTRY{ID_FILE_SAVE_AS, "Save the active document with a new name\nSave As"},
    STRINGENTRY{57616, "Open this document"},
    STRINGENTRY{57617, "Open this document"},
    STRINGENTRY{57618, "Open this document"},
    STRINGENTRY{57619, "Open this document"},
    STRINGENTRY{57620, "Open this document"},
    STRINGENTRY{57621, "Open this document"},
    STRINGENTRY{57622, "Open this document"},
    STRINGENTRY{57623, "Open this document"},
    STRINGENTRY{57624, "Open this document"},
    STRINGENTRY{57625, "Open this document"},
    STRINGENTRY{57626, "Open this document"},
    STRINGENTRY{57627, "Open this document"},
    STRINGENTRY{57628, "Open this document"},
    STRINGENTRY{57629, "Open this document"},
    STRINGENTRY{57630, "Open this document"},
    STRINGENTRY{57631, "Open this document"},
    STRINGENTRY{ID_EDIT_COPY, "Copy the selection and put it on the Clipboard\nCopy"},
    STRINGENTRY{ID_EDIT_CUT, "Cut the selection and put it on the Clipboard\nCut"},
    STRINGENTRY{ID_EDIT_PASTE, "Insert Clipboard contents\nPaste"},
    STRINGENTRY{ID_EDIT_UNDO, "Undo the last action\nUndo"},
    STRINGENTRY{ID_APP_ABOUT, "Display program information, version number and copyright\nAbout"},
    STRINGENTRY{ID_APP_EXIT, "Quit the application; prompts to save documents\nExit"},
    STRINGENTRY{ID_NEXT_PANE, "Switch to the next window pane\nNext Pane"},
    STRINGENTRY{ID_PREV_PANE, "Switch back to the previous window pane\nPrevious Pane"},
    STRINGENTRY{ID_INDICATOR_CAPS, "CAP"},
    STRINGENTRY{ID_INDICATOR_NUM, "NUM"},
    STRINGENTRY{ID_INDICATOR_SCRL, "SCRL"},
    STRINGENTRY{ID_VIEW_TOOLBAR, "Show or hide the toolbar\nToggle ToolBar"},
    STRINGENTRY{ID_VIEW_STATUS_BAR, "Show or hide the status bar\nToggle StatusBar"},
    STRINGENTRY{IDS_OPENFILE, "Open"},
    STRINGENTRY{IDS_SAVEFILE, "Save As"},
    STRINGENTRY{IDS_ALLFILTER, "All Files (*.*)"},
    STRINGENTRY{IDS_UNTITLED, "Untitled"},
};

static_assert(std::is_sorted(kStrings.begin(), kStrings.end(),
                             [](const STRINGENTRY& a, const STRINGENTRY& b) { return a.nId < b.nId; }));

const STRINGENTRY* Find(int nId)
{
    auto it = std::lower_bound(kStrings.begin(), kStrings.end(), nId,
                               [](const STRINGENTRY& e, int n) { return e.nId < n; });
    return it != kStrings.end() && it->nId == nId ? &*it : nullptr;
}

}  // namespace

std::string_view LoadString(int nId)
{
    const STRINGENTRY* p = Find(nId);
    return p ? p->str : std::string_view{};
}

bool HasString(int nId) { return Find(nId) != nullptr; }

std::string_view PromptStatusText(std::string_view strPrompt)
{
    return strPrompt.substr(0, strPrompt.find('\n'));
}

std::string_view PromptTooltip(std::string_view strPrompt)
{
    const auto n = strPrompt.find('\n');
    return n == std::string_view::npos ? std::string_view{} : strPrompt.substr(n + 1);
}

std::string_view DocStringField(int nField)
{
    std::string_view str = LoadString(IDR_MAINFRAME);
    for (int i = 0; i < nField; ++i) {
        const auto n = str.find('\n');
        if (n == std::string_view::npos)
            return {};
        str.remove_prefix(n + 1);
    }
    return str.substr(0, str.find('\n'));
}

}  // namespace res
