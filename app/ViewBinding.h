#pragma once
// How the frame holds its one view without knowing the view's class.
#include <QPointer>
#include <QWidget>

#include <functional>

struct VIEWBINDING {
    QPointer<QWidget> pView;
    // Runs again whenever the document is re-initialised (New, Open).
    std::function<void()> pfnInitialUpdate;
    // The window is closing: end what runs (a recording) and finish its file.
    std::function<void()> pfnShutdown;
};

using VIEWFACTORY = std::function<VIEWBINDING(QWidget* pParent)>;

// The main form of the program.
VIEWBINDING CreateFormView(QWidget* pParent);
