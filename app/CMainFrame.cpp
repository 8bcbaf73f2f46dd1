#include "app/CMainFrame.h"

#include "platform/forms/ResourceText.h"

#include "app/CFrameCommands.h"
#include "app/CLockIndicators.h"
#include "app/ShellIcons.h"
#include "res/FrameResources.h"
#include "res/Resource.h"
#include "res/StringTable.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

CMainFrame::CMainFrame()
{
    setObjectName(QStringLiteral("mainFrame"));
    setWindowIcon(AppIcon());
    m_pCommands = new CFrameCommands(this);
    m_pCommands->OnCommand(res::ID_VIEW_TOOLBAR, [this] { OnViewToolbar(); });
    m_pCommands->OnCommand(res::ID_VIEW_STATUS_BAR, [this] { OnViewStatusBar(); });
    m_pCommands->GetAction(res::ID_VIEW_TOOLBAR)->setCheckable(true);
    m_pCommands->GetAction(res::ID_VIEW_STATUS_BAR)->setCheckable(true);
    connect(m_pCommands, &CFrameCommands::MenuAboutToShow, this, [this] { UpdateCheckMarks(); });
}

CMainFrame::~CMainFrame()
{
    // The view goes first, while the frame it may still talk to is whole.
    delete m_view.pView;
}

BOOL CMainFrame::OnCreate()
{
    m_pCommands->BuildMenuBar(menuBar());

    m_pToolBar = new QToolBar(QStringLiteral("Standard"), this);
    m_pToolBar->setObjectName(QStringLiteral("toolbar"));
    m_pToolBar->setMovable(true);
    m_pToolBar->setFloatable(true);
    m_pToolBar->setAllowedAreas(Qt::AllToolBarAreas);
    m_pToolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    for (int nID : res::GetToolbarButtons()) {
        if (nID == res::ID_SEPARATOR) {
            m_pToolBar->addSeparator();
            continue;
        }
        QAction* pAction = m_pCommands->GetAction(nID);
        if (!pAction)
            return FALSE;
        pAction->setIcon(ToolbarIcon(nID, style()));
        // Menus show the text; the toolbar shows only the picture and its tooltip.
        pAction->setIconVisibleInMenu(false);
        m_pToolBar->addAction(pAction);
    }
    addToolBar(Qt::TopToolBarArea, m_pToolBar);

    QStatusBar* pStatusBar = statusBar();
    pStatusBar->setObjectName(QStringLiteral("statusBar"));
    // Shown whenever no prompt is: a prompt is a temporary message that covers it.
    m_pMessagePane = new QLabel(LoadResourceString(res::IDS_IDLEMESSAGE), pStatusBar);
    m_pMessagePane->setObjectName(QStringLiteral("messagePane"));
    pStatusBar->addWidget(m_pMessagePane, 1);
    m_pIndicators = new CLockIndicators(pStatusBar);
    UpdateCheckMarks();
    return TRUE;
}

void CMainFrame::SetView(VIEWBINDING view)
{
    m_view = std::move(view);
    m_bViewShutDown = false;
    if (m_view.pView)
        setCentralWidget(m_view.pView);
}

void CMainFrame::InitialUpdateView()
{
    if (m_view.pView && m_view.pfnInitialUpdate)
        m_view.pfnInitialUpdate();
}

void CMainFrame::ShutdownView()
{
    if (m_bViewShutDown || !m_view.pView || !m_view.pfnShutdown)
        return;
    m_bViewShutDown = true;
    m_view.pfnShutdown();
}

void CMainFrame::OnUpdateFrameTitle(const QString& strDocTitle)
{
    setWindowTitle(strDocTitle + QStringLiteral(" - ") + LoadResourceString(res::IDS_APP_TITLE));
}

void CMainFrame::OnViewToolbar()
{
    m_pToolBar->setVisible(m_pToolBar->isHidden());
    UpdateCheckMarks();
}

void CMainFrame::OnViewStatusBar()
{
    statusBar()->setVisible(statusBar()->isHidden());
    UpdateCheckMarks();
}

void CMainFrame::UpdateCheckMarks()
{
    // isHidden, not isVisible: a bar of a minimised or not yet shown window is still "on".
    if (m_pToolBar)
        m_pCommands->GetAction(res::ID_VIEW_TOOLBAR)->setChecked(!m_pToolBar->isHidden());
    m_pCommands->GetAction(res::ID_VIEW_STATUS_BAR)->setChecked(!statusBar()->isHidden());
}

void CMainFrame::closeEvent(QCloseEvent* pEvent)
{
    // A recording still running is stopped and its file finished before the view goes.
    ShutdownView();
    pEvent->accept();
}
