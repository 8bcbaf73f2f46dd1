#include "app/ScreenshotCapture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPixmap>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace {

// Time for the capture's repaint and any pending layout before the picture is taken.
constexpr int kSettleMs = 500;

QAbstractButton* FindButton(QWidget* pWindow, const QString& strText)
{
    const auto buttons = pWindow->findChildren<QAbstractButton*>();
    for (QAbstractButton* pButton : buttons)
        if (pButton->text() == strText)
            return pButton;
    return nullptr;
}

}  // namespace

void ScheduleScreenshot(QWidget* pWindow, const QString& strFileName)
{
    QPointer<QWidget> pGuarded(pWindow);
    QTimer::singleShot(kSettleMs, pWindow, [pGuarded, strFileName] {
        if (QAbstractButton* pButton = FindButton(pGuarded, QStringLiteral("Test ADC data")))
            pButton->click();
        else
            std::fputs("vadel: no \"Test ADC data\" button to press\n", stderr);
        QTimer::singleShot(kSettleMs, pGuarded, [pGuarded, strFileName] {
            const bool bSaved = pGuarded->grab().save(strFileName, "PNG");
            if (!bSaved)
                std::fprintf(stderr, "vadel: cannot write %s\n", qPrintable(strFileName));
            pGuarded->close();
            QCoreApplication::exit(bSaved ? 0 : 1);
        });
    });
}
