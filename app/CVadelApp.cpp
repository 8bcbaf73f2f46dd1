#include "app/CVadelApp.h"

#include "platform/forms/ResourceText.h"

#include "app/CAboutBox.h"
#include "app/CDocManager.h"
#include "app/CFrameCommands.h"
#include "app/CMainFrame.h"
#include "app/CTerminationSignals.h"
#include "app/ScreenshotCapture.h"
#include "app/ShellIcons.h"
#include "instrument/d2xx/D2xxBackends.h"
#include "platform/forms/MessageBox.h"
#include "res/Resource.h"
#include "res/StringTable.h"

#include <QApplication>
#include <QScreen>
#include <QSettings>

#include <cstdio>

namespace {

constexpr int kExitUsage = 2;
constexpr int kExitStartFailed = 1;
// Room for the title bar the desktop adds around the window.
constexpr int kTitleBarAllowance = 32;


}  // namespace

CVadelApp::CVadelApp(int& argc, char** argv) : m_fnViewFactory(CreateFormView), m_recentFiles(res::kMaxRecentFiles)
{
    if (!QCoreApplication::instance())
        m_pOwnApplication = std::make_unique<QApplication>(argc, argv);
}

CVadelApp::CVadelApp() : m_fnViewFactory(CreateFormView), m_recentFiles(res::kMaxRecentFiles) {}

CVadelApp::~CVadelApp()
{
    ExitInstance();
}

void CVadelApp::SetApplicationIdentity()
{
    // Settings live under the maker's name, then the program's (QSettings' defaults).
    QCoreApplication::setOrganizationName(QStringLiteral("Tirbo"));
    QCoreApplication::setApplicationName(LoadResourceString(res::IDS_APP_TITLE));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.0.0.1"));
    // No display name: X11 would append it to every caption ("Sensor setup — Vadel").
    QGuiApplication::setDesktopFileName(QStringLiteral("vadel"));
    QGuiApplication::setWindowIcon(AppIcon());
}

BOOL CVadelApp::InitInstance()
{
    return InitInstance(QCoreApplication::arguments());
}

BOOL CVadelApp::InitInstance(const QStringList& strArguments)
{
    SetApplicationIdentity();

    m_cmdInfo = ParseCommandLine(strArguments);
    switch (m_cmdInfo.m_nAction) {
    case CCommandLineInfo::ShowHelp:
    case CCommandLineInfo::ShowVersion:
        std::fputs(qPrintable(m_cmdInfo.m_strMessage + QLatin1Char('\n')), stdout);
        m_nExitCode = 0;
        return FALSE;
    case CCommandLineInfo::Invalid:
        std::fputs(qPrintable(m_cmdInfo.m_strMessage + QStringLiteral("\nTry 'vadel --help'.\n")), stderr);
        m_nExitCode = kExitUsage;
        return FALSE;
    default:
        break;
    }

    QSettings settings;
    m_recentFiles.ReadList(settings);

    if (!SelectBackEnd() || !CreateMainFrame() || !ProcessShellCommand()) {
        m_pMainFrame.reset();
        m_nExitCode = kExitStartFailed;
        return FALSE;
    }

    if (!m_cmdInfo.m_strScreenshot.isEmpty())
        ScheduleScreenshot(m_pMainFrame.get(), m_cmdInfo.m_strScreenshot);
    m_pMainFrame->showMaximized();
    return TRUE;
}

BOOL CVadelApp::SelectBackEnd()
{
    std::string strError;
    if (d2xx::D2xxSelect(m_cmdInfo.m_strSimulate, strError))
        return TRUE;
    const bool bSimulating = m_cmdInfo.m_strSimulate || d2xx::SimulateOptionsFromEnvironment();
    platform::MessageBox(nullptr, QString::fromStdString(strError));
    // Asked for the simulated box and not given it: starting on the real one instead would
    // surprise. Without the real driver the window still starts; opening the box fails.
    return bSimulating ? FALSE : TRUE;
}

BOOL CVadelApp::CreateMainFrame()
{
    m_pDocManager = std::make_unique<CDocManager>(m_recentFiles);
    m_pMainFrame = std::make_unique<CMainFrame>();
    if (!m_pMainFrame->OnCreate())
        return FALSE;
    // Start as large as the screen allows, like a window placed by the desktop; the view's
    // initial update shrinks it to the form. That is the size when not maximised, and the
    // size shown where nothing maximises windows (an X server without a window manager).
    if (const QScreen* pScreen = QGuiApplication::primaryScreen())
        m_pMainFrame->setGeometry(pScreen->availableGeometry().adjusted(0, 0, 0, -kTitleBarAllowance));
    CFrameCommands& commands = m_pMainFrame->Commands();
    commands.OnCommand(res::ID_APP_ABOUT, [this] { OnAppAbout(); });
    commands.OnCommand(res::ID_APP_EXIT, [this] { m_pMainFrame->close(); });
    VIEWBINDING view = m_fnViewFactory(m_pMainFrame.get());
    if (!view.pView)
        return FALSE;
    m_pMainFrame->SetView(std::move(view));
    m_pDocManager->Attach(m_pMainFrame.get());
    return TRUE;
}

BOOL CVadelApp::ProcessShellCommand()
{
    if (m_cmdInfo.m_nAction == CCommandLineInfo::FileOpen)
        return m_pDocManager->OpenDocumentFile(m_cmdInfo.m_strFileName);
    return m_pDocManager->OnFileNew();
}

int CVadelApp::Run()
{
    if (!InitInstance())
        return ExitInstance();
    m_pSignals = std::make_unique<CTerminationSignals>([this] {
        if (m_pMainFrame)
            m_pMainFrame->close();
    });
    const int nLoopResult = QApplication::exec();
    const int nExitCode = ExitInstance();
    return nLoopResult != 0 ? nLoopResult : nExitCode;
}

int CVadelApp::ExitInstance()
{
    if (m_bExited)
        return m_nExitCode;
    m_bExited = true;
    if (m_pMainFrame) {
        // Still open when the loop ended some other way (tests, a signal).
        m_pMainFrame->ShutdownView();
        // The view's destructor stores its settings.
        m_pMainFrame.reset();
        QSettings settings;
        m_recentFiles.WriteList(settings);
        settings.sync();
    }
    m_pDocManager.reset();
    m_pSignals.reset();
    return m_nExitCode;
}

void CVadelApp::OnAppAbout()
{
    CAboutBox aboutBox(m_pMainFrame.get());
    aboutBox.DoModal();
}
