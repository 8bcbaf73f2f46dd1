#pragma once
// Documentation pictures: after start-up take a test capture, save the window and quit.
#include <QString>

class QWidget;

// The capture is pressed once the event loop runs; the program then ends with status 0 when
// the picture was written, 1 otherwise.
void ScheduleScreenshot(QWidget* pWindow, const QString& strFileName);
