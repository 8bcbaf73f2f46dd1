#pragma once
// The string table: prompts ("status bar text\ntooltip"), the shell's own strings and the
// document string.
#include <string_view>

namespace res {

// The string with that id; empty when the table has none (a command without a prompt).
std::string_view LoadString(int nId);
bool HasString(int nId);

// The part of a prompt before "\n" (status bar) and after it (tooltip; empty if none).
std::string_view PromptStatusText(std::string_view strPrompt);
std::string_view PromptTooltip(std::string_view strPrompt);

// Field n (0-based) of the "\n"-separated document string: 0 window title, 1 document name,
// 2 new-file name, 3 filter name, 4 filter extension, 5 file type id, 6 file type name.
std::string_view DocStringField(int nField);

}  // namespace res
