#include "app/CLockIndicators.h"

#include "app/LockKeyState.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QStatusBar>
#include <QString>

namespace {

const char* const kPaneTexts[3] = {"CAP", "NUM", "SCRL"};

}  // namespace

CLockIndicators::CLockIndicators(QStatusBar* pStatusBar) : QObject(pStatusBar)
{
    for (int i = 0; i < 3; ++i) {
        auto* pPane = new QLabel(QString::fromLatin1(kPaneTexts[i]), pStatusBar);
        pPane->setObjectName(QStringLiteral("indicator%1").arg(QString::fromLatin1(kPaneTexts[i])));
        pPane->setAlignment(Qt::AlignCenter);
        pPane->setFrameShape(QFrame::Panel);
        pPane->setFrameShadow(QFrame::Sunken);
        // Wide enough for the longest text, so the bar does not jump.
        pPane->setMinimumWidth(pPane->fontMetrics().horizontalAdvance(QStringLiteral("SCRL")) + 12);
        pStatusBar->addPermanentWidget(pPane);
        m_pPanes[i] = pPane;
    }
    // Lock keys change with key presses in our windows or while another window had the focus.
    qApp->installEventFilter(this);
    Refresh();
}

void CLockIndicators::Refresh()
{
    const LOCKKEYSTATE state = QueryLockKeyState();
    const bool bOn[3] = {state.bCaps, state.bNum, state.bScroll};
    for (int i = 0; i < 3; ++i) {
        m_pPanes[i]->setEnabled(state.bKnown && bOn[i]);
        m_pPanes[i]->setToolTip(state.bKnown ? QString()
                                             : QStringLiteral("The display does not tell the state of the lock keys."));
    }
}

bool CLockIndicators::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    switch (pEvent->type()) {
    case QEvent::KeyRelease:
    case QEvent::ApplicationStateChange:
        Refresh();
        break;
    default:
        break;
    }
    return QObject::eventFilter(pWatched, pEvent);
}
