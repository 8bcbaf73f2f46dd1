#pragma once
// Message boxes through a replaceable hook, so tests record them instead of blocking.
#include <QString>

#include <functional>

class QWidget;

namespace platform {

inline constexpr int IDOK = 1;

using MESSAGEBOXHOOK = std::function<int(QWidget* pParent, const QString& strText, const QString& strCaption)>;

// A modal box with an OK button. Callable from any thread: from another thread the box is
// queued to the GUI thread and the call returns at once. Returns IDOK.
int MessageBox(QWidget* pParent, const QString& strText, const QString& strCaption = QStringLiteral("Vadel"));

// Replaces the box; an empty function restores the real one. Returns the previous hook.
MESSAGEBOXHOOK SetMessageBoxHook(MESSAGEBOXHOOK hook);

}  // namespace platform
