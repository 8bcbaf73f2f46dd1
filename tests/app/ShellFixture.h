#pragma once
// A started application with a stand-in view, settings in a temporary folder and every
// modal box answered by a hook.
#include "app/CVadelApp.h"
#include "platform/forms/MessageBox.h"

#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>

#include <memory>

struct STANDINVIEW {
    int nInitialUpdates = 0;
    QStringList strEvents;    // "shutdown", "destroyed" in the order they happened
};

inline VIEWFACTORY StandInViewFactory(STANDINVIEW& record)
{
    return [&record](QWidget* pParent) {
        auto* pView = new QWidget(pParent);
        QObject::connect(pView, &QObject::destroyed, [&record] { record.strEvents.append(QStringLiteral("destroyed")); });
        VIEWBINDING binding;
        binding.pView = pView;
        binding.pfnInitialUpdate = [&record] { ++record.nInitialUpdates; };
        binding.pfnShutdown = [&record] { record.strEvents.append(QStringLiteral("shutdown")); };
        return binding;
    };
}

class CShellFixture {
public:
    CShellFixture()
    {
        // Settings of the run stay in the temporary folder.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settingsDir.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_settingsDir.path());
        m_previousHook = platform::SetMessageBoxHook([this](QWidget*, const QString& strText, const QString&) {
            m_strMessages.append(strText);
            return platform::IDOK;
        });
    }
    ~CShellFixture()
    {
        m_pApp.reset();
        platform::SetMessageBoxHook(m_previousHook);
    }

    BOOL Start(QStringList strArguments = {})
    {
        m_pApp = std::make_unique<CVadelApp>();
        m_pApp->SetViewFactory(StandInViewFactory(m_view));
        strArguments.prepend(QStringLiteral("--simulate=fast"));
        strArguments.prepend(QStringLiteral("vadel"));
        return m_pApp->InitInstance(strArguments);
    }
    void Stop() { m_pApp->ExitInstance(); }

    QStringList StoredRecentFiles() const
    {
        QSettings settings(QStringLiteral("Tirbo"), QStringLiteral("Vadel"));
        QStringList strFiles;
        for (int i = 1; i <= 4; ++i)
            strFiles.append(settings.value(QStringLiteral("Recent File List/File%1").arg(i)).toString());
        return strFiles;
    }

    QTemporaryDir m_settingsDir;
    QTemporaryDir m_filesDir;
    std::unique_ptr<CVadelApp> m_pApp;
    STANDINVIEW m_view;
    QStringList m_strMessages;
    platform::MESSAGEBOXHOOK m_previousHook;
};
