#include "app/CDocManager.h"

#include "app/CFrameCommands.h"
#include "app/CMainFrame.h"
#include "app/DocFileDialog.h"
#include "platform/forms/MessageBox.h"
#include "res/Resource.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>

CDocManager::CDocManager(CRecentFileList& recentFiles) : m_recentFiles(recentFiles) {}

void CDocManager::Attach(CMainFrame* pFrame)
{
    m_pFrame = pFrame;
    CFrameCommands& commands = pFrame->Commands();
    commands.OnCommand(res::ID_FILE_NEW, [this] { OnFileNew(); });
    commands.OnCommand(res::ID_FILE_OPEN, [this] { OnFileOpen(); });
    commands.OnCommand(res::ID_FILE_SAVE, [this] { OnFileSave(); });
    commands.OnCommand(res::ID_FILE_SAVE_AS, [this] { OnFileSaveAs(); });
    connect(&commands, &CFrameCommands::RecentFileChosen, this, &CDocManager::OnOpenRecentFile);
    RefreshRecentFileMenu();
}

BOOL CDocManager::OnFileNew()
{
    if (!m_doc.OnNewDocument())
        return FALSE;
    DocumentChanged(true);
    return TRUE;
}

void CDocManager::OnFileOpen()
{
    DOCFILEPROMPT prompt;
    prompt.bOpen = true;
    prompt.strTitle = QStringLiteral("Open");
    QString strPathName;
    if (PromptForDocFileName(m_pFrame, prompt, strPathName))
        OpenDocumentFile(strPathName);
}

BOOL CDocManager::OpenDocumentFile(const QString& strPathName)
{
    QString strError;
    if (!m_doc.OnOpenDocument(strPathName, strError)) {
        // The document before stays as it was: nothing of it was touched.
        Report(strError);
        return FALSE;
    }
    m_recentFiles.Add(m_doc.GetPathName());
    DocumentChanged(true);
    return TRUE;
}

BOOL CDocManager::OnFileSave()
{
    return DoSave(m_doc.GetPathName(), m_doc.GetPathName().isEmpty());
}

BOOL CDocManager::OnFileSaveAs()
{
    return DoSave(m_doc.GetPathName(), true);
}

BOOL CDocManager::DoSave(const QString& strPathName, bool bReplace)
{
    QString strTarget = strPathName;
    if (bReplace) {
        DOCFILEPROMPT prompt;
        prompt.bOpen = false;
        prompt.strTitle = QStringLiteral("Save As");
        prompt.strFileName = strPathName.isEmpty() ? m_doc.GetTitle() : strPathName;
        if (!PromptForDocFileName(m_pFrame, prompt, strTarget))
            return FALSE;
    }
    QString strError;
    if (!m_doc.OnSaveDocument(strTarget, strError)) {
        Report(strError);
        return FALSE;
    }
    m_recentFiles.Add(m_doc.GetPathName());
    // Only the name changed: the view keeps what it shows.
    DocumentChanged(false);
    return TRUE;
}

void CDocManager::OnOpenRecentFile(int nIndex)
{
    if (nIndex < 0 || nIndex >= m_recentFiles.GetCount())
        return;
    const QString strPathName = m_recentFiles[nIndex];
    if (!OpenDocumentFile(strPathName)) {
        // A file that is gone or unreadable leaves the list.
        m_recentFiles.Remove(static_cast<int>(m_recentFiles.Files().indexOf(strPathName)));
        RefreshRecentFileMenu();
    }
}

void CDocManager::DocumentChanged(bool bInitialUpdate)
{
    if (!m_pFrame)
        return;
    m_pFrame->OnUpdateFrameTitle(m_doc.GetTitle());
    RefreshRecentFileMenu();
    if (bInitialUpdate)
        m_pFrame->InitialUpdateView();
}

void CDocManager::RefreshRecentFileMenu()
{
    if (!m_pFrame)
        return;
    QStringList strEntries;
    for (int i = 0; i < m_recentFiles.GetCount(); ++i)
        strEntries.append(m_recentFiles.GetDisplayName(i));
    m_pFrame->Commands().SetRecentFiles(strEntries);
}

void CDocManager::Report(const QString& strText)
{
    platform::MessageBox(m_pFrame, strText);
}
