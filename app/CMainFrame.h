#pragma once
// The main window: menu, toolbar and status bar around the one view.
#include "app/ViewBinding.h"
#include "platform/Types.h"

#include <QMainWindow>

class CFrameCommands;
class CLockIndicators;
class QLabel;
class QToolBar;

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    CMainFrame();
    ~CMainFrame() override;

    // Builds the bars; FALSE when they cannot be made.
    BOOL OnCreate();
    void SetView(VIEWBINDING view);
    QWidget* GetActiveView() const { return m_view.pView; }
    void InitialUpdateView();
    // Ends what the view runs (a recording) and finishes its file; once per view.
    void ShutdownView();

    // "<document title> - <application title>"
    void OnUpdateFrameTitle(const QString& strDocTitle);

    CFrameCommands& Commands() { return *m_pCommands; }
    QToolBar* GetToolBar() const { return m_pToolBar; }
    QLabel* GetMessagePane() const { return m_pMessagePane; }
    CLockIndicators* GetLockIndicators() const { return m_pIndicators; }

    void OnViewToolbar();
    void OnViewStatusBar();

protected:
    void closeEvent(QCloseEvent* pEvent) override;

private:
    void UpdateCheckMarks();

    CFrameCommands* m_pCommands = nullptr;
    QToolBar* m_pToolBar = nullptr;
    QLabel* m_pMessagePane = nullptr;
    CLockIndicators* m_pIndicators = nullptr;
    VIEWBINDING m_view;
    bool m_bViewShutDown = false;
};
