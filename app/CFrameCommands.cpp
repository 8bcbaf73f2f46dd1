#include "app/CFrameCommands.h"

#include "platform/forms/ResourceText.h"

#include "res/FrameResources.h"
#include "res/Resource.h"
#include "res/StringTable.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

namespace {

// A name for a command that only appears on the toolbar or as keys.
QString FallbackText(int nID)
{
    const QString strTip = ResourceText(res::PromptTooltip(res::LoadString(nID)));
    if (!strTip.isEmpty())
        return strTip;
    return nID == res::ID_FILE_PRINT ? QStringLiteral("&Print") : QString::number(nID);
}

}  // namespace

CFrameCommands::CFrameCommands(QWidget* pWindow) : QObject(pWindow), m_pWindow(pWindow)
{
    for (const res::MENUPOPUP& popup : res::GetMainMenu())
        for (const res::MENUITEM& item : popup.items)
            if (!(item.dwFlags & res::MF_SEPARATOR))
                CreateAction(item.nId, QString::fromUtf8(item.szText));
    for (int nID : res::GetToolbarButtons())
        if (nID != res::ID_SEPARATOR && !m_actions.count(nID))
            CreateAction(nID, FallbackText(nID));

    std::map<int, QList<QKeySequence>> keys;
    for (const res::ACCEL& accel : res::GetAccelerators())
        keys[accel.nCmd].append(QKeySequence::fromString(QString::fromLatin1(accel.szKeys),
                                                         QKeySequence::PortableText));
    for (auto& [nID, sequences] : keys) {
        QAction* pAction = GetAction(nID);
        if (!pAction)
            pAction = CreateAction(nID, FallbackText(nID));
        pAction->setShortcuts(sequences);
    }
}

QAction* CFrameCommands::CreateAction(int nID, const QString& strText)
{
    auto* pAction = new QAction(strText, m_pWindow);
    pAction->setObjectName(QStringLiteral("command%1").arg(nID));
    pAction->setData(nID);
    const std::string_view strPrompt = res::LoadString(nID);
    pAction->setStatusTip(ResourceText(res::PromptStatusText(strPrompt)));
    const QString strTip = ResourceText(res::PromptTooltip(strPrompt));
    if (!strTip.isEmpty())
        pAction->setToolTip(strTip);
    pAction->setEnabled(false);
    // Keys of commands that are not in a menu must still reach the window.
    m_pWindow->addAction(pAction);
    m_actions[nID] = pAction;
    return pAction;
}

QAction* CFrameCommands::GetAction(int nID) const
{
    const auto it = m_actions.find(nID);
    return it == m_actions.end() ? nullptr : it->second;
}

void CFrameCommands::OnCommand(int nID, std::function<void()> fnHandler)
{
    QAction* pAction = GetAction(nID);
    if (!pAction)
        return;
    pAction->setEnabled(true);
    connect(pAction, &QAction::triggered, this, [fnHandler = std::move(fnHandler)] { fnHandler(); });
}

void CFrameCommands::BuildMenuBar(QMenuBar* pMenuBar)
{
    for (const res::MENUPOPUP& popup : res::GetMainMenu()) {
        QMenu* pMenu = pMenuBar->addMenu(QString::fromUtf8(popup.szText));
        connect(pMenu, &QMenu::aboutToShow, this, [this, pMenu] { emit MenuAboutToShow(pMenu); });
        for (const res::MENUITEM& item : popup.items) {
            if (item.dwFlags & res::MF_SEPARATOR) {
                pMenu->addSeparator();
                continue;
            }
            QAction* pAction = GetAction(item.nId);
            pMenu->addAction(pAction);
            if (item.nId == res::ID_FILE_MRU_FILE1) {
                m_pFileMenu = pMenu;
                m_pRecentPlaceholder = pAction;
            }
        }
    }
    UpdateRecentFileMenu();
}

void CFrameCommands::SetRecentFiles(const QStringList& strEntries)
{
    m_strRecentEntries = strEntries;
    UpdateRecentFileMenu();
}

void CFrameCommands::UpdateRecentFileMenu()
{
    if (!m_pFileMenu)
        return;
    for (QAction* pAction : m_recentActions) {
        m_pFileMenu->removeAction(pAction);
        pAction->deleteLater();
    }
    m_recentActions.clear();
    // An empty list shows the grayed "Recent File" item; a filled one replaces it.
    m_pRecentPlaceholder->setVisible(m_strRecentEntries.isEmpty());
    const QString strPrompt = LoadResourceString(res::ID_FILE_MRU_FILE1);
    for (int i = 0; i < m_strRecentEntries.size(); ++i) {
        auto* pAction = new QAction(m_strRecentEntries.at(i), m_pFileMenu);
        pAction->setObjectName(QStringLiteral("recentFile%1").arg(i + 1));
        pAction->setData(res::ID_FILE_MRU_FILE1 + i);
        pAction->setStatusTip(strPrompt);
        connect(pAction, &QAction::triggered, this, [this, i] { emit RecentFileChosen(i); });
        m_pFileMenu->insertAction(m_pRecentPlaceholder, pAction);
        m_recentActions.append(pAction);
    }
}
