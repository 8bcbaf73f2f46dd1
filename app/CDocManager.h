#pragma once
// The file commands of the one document: New, Open, Save, Save As and the recent files.
#include "app/CRecentFileList.h"
#include "app/CVadelDoc.h"
#include "platform/Types.h"

#include <QObject>

class CMainFrame;

class CDocManager : public QObject {
    Q_OBJECT
public:
    explicit CDocManager(CRecentFileList& recentFiles);

    // The frame whose caption and view follow the document; connects its file commands.
    void Attach(CMainFrame* pFrame);

    BOOL OnFileNew();
    void OnFileOpen();
    // The file becomes the document; failures are reported to the operator.
    BOOL OpenDocumentFile(const QString& strPathName);
    BOOL OnFileSave();
    BOOL OnFileSaveAs();
    void OnOpenRecentFile(int nIndex);

    CVadelDoc& GetDocument() { return m_doc; }

private:
    BOOL DoSave(const QString& strPathName, bool bReplace);
    // Caption, view and recent-file menu after the document's identity changed.
    void DocumentChanged(bool bInitialUpdate);
    void RefreshRecentFileMenu();
    void Report(const QString& strText);

    CRecentFileList& m_recentFiles;
    CVadelDoc m_doc;
    CMainFrame* m_pFrame = nullptr;
};
