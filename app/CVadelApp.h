#pragma once
// The application object: start-up, the one frame with its document and view, and the end
// of the run (the recent-file list is written then).
#include "app/CCommandLineInfo.h"
#include "app/CRecentFileList.h"
#include "app/ViewBinding.h"
#include "platform/Types.h"

#include <QStringList>

#include <memory>

class CDocManager;
class CMainFrame;
class CTerminationSignals;
class QApplication;

class CVadelApp {
public:
    // Creates the QApplication unless one exists already (tests bring their own).
    CVadelApp(int& argc, char** argv);
    CVadelApp();
    ~CVadelApp();
    CVadelApp(const CVadelApp&) = delete;
    CVadelApp& operator=(const CVadelApp&) = delete;

    // Replaces the main form (tests host a stand-in).
    void SetViewFactory(VIEWFACTORY fnFactory) { m_fnViewFactory = std::move(fnFactory); }

    // Start-up from the command line; FALSE ends the program without a window, with
    // GetExitCode() as its status.
    BOOL InitInstance();
    BOOL InitInstance(const QStringList& strArguments);
    // The whole run: start-up, the event loop, the end.
    int Run();
    // Closes the window if still open, destroys it and writes the recent-file list.
    int ExitInstance();

    void OnAppAbout();

    CMainFrame* GetMainWnd() const { return m_pMainFrame.get(); }
    CDocManager* GetDocManager() const { return m_pDocManager.get(); }
    CRecentFileList& GetRecentFileList() { return m_recentFiles; }
    const CCommandLineInfo& GetCommandLineInfo() const { return m_cmdInfo; }
    int GetExitCode() const { return m_nExitCode; }

private:
    void SetApplicationIdentity();
    BOOL SelectBackEnd();
    BOOL CreateMainFrame();
    BOOL ProcessShellCommand();

    std::unique_ptr<QApplication> m_pOwnApplication;
    VIEWFACTORY m_fnViewFactory;
    CRecentFileList m_recentFiles;
    CCommandLineInfo m_cmdInfo;
    std::unique_ptr<CDocManager> m_pDocManager;
    std::unique_ptr<CMainFrame> m_pMainFrame;
    std::unique_ptr<CTerminationSignals> m_pSignals;
    int m_nExitCode = 0;
    bool m_bExited = false;
};
