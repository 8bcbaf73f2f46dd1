#include "platform/forms/MessageBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QMetaObject>
#include <QPointer>
#include <QThread>

#include <cstdio>
#include <mutex>

namespace platform {
namespace {

std::mutex g_hookMutex;
MESSAGEBOXHOOK g_hook;

int ShowOnGuiThread(QWidget* pParent, const QString& strText, const QString& strCaption)
{
    MESSAGEBOXHOOK hook;
    {
        std::lock_guard lock(g_hookMutex);
        hook = g_hook;
    }
    if (hook)
        return hook(pParent, strText, strCaption);
    QMessageBox box(QMessageBox::NoIcon, strCaption, strText, QMessageBox::Ok, pParent);
    box.exec();
    return IDOK;
}

}  // namespace

int MessageBox(QWidget* pParent, const QString& strText, const QString& strCaption)
{
    QCoreApplication* pApp = QCoreApplication::instance();
    if (!pApp) {
        // No window system to show it on: the text must still reach someone.
        std::fprintf(stderr, "%s: %s\n", qPrintable(strCaption), qPrintable(strText));
        return IDOK;
    }
    if (QThread::currentThread() == pApp->thread())
        return ShowOnGuiThread(pParent, strText, strCaption);

    // Widgets live on the GUI thread. The caller does not wait for the answer: the GUI thread
    // may itself be waiting for the caller (a window closing joins its worker).
    QMetaObject::invokeMethod(
        pApp, [pGuard = QPointer<QWidget>(pParent), strText, strCaption] {
            ShowOnGuiThread(pGuard, strText, strCaption);
        },
        Qt::QueuedConnection);
    return IDOK;
}

MESSAGEBOXHOOK SetMessageBoxHook(MESSAGEBOXHOOK hook)
{
    std::lock_guard lock(g_hookMutex);
    std::swap(g_hook, hook);
    return hook;
}

}  // namespace platform
