#pragma once
// Pictures of the shell: the program icon and the toolbar buttons.
#include "platform/Types.h"

#include <QIcon>

class QStyle;

// The program icon, drawn at the usual sizes (the same picture as the installed vector icon).
QIcon AppIcon();
// The picture of a toolbar command: the desktop theme's, else the style's, else our own.
QIcon ToolbarIcon(int nID, const QStyle* pStyle);
