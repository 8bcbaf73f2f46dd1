#pragma once
// The main form on the simulated box (virtual clock), with message boxes, the save-file
// dialog and modal dialogs answered by the test, and the per-user store in a scratch folder.
#include "tests/platform/forms/GuiTestApp.h"

#include "acquisition/CaptureBuffers.h"
#include "instrument/d2xx/D2xxBackends.h"
#include "instrument/d2xx/sim/SimulatedBox.h"
#include "platform/forms/CDialog.h"
#include "platform/forms/FileDialog.h"
#include "platform/forms/MessageBox.h"
#include "res/Resource.h"
#include "ui/CElapsedProgressBar.h"
#include "ui/CVadelView.h"

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QThread>

#include <condition_variable>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <string>

namespace viewtest {

// The settings must never reach the real user's store; set before anything opens it.
inline const std::string g_strConfigHome = [] {
    char szTemplate[] = "/tmp/vadel-view-XXXXXX";
    const char* pszDir = mkdtemp(szTemplate);
    std::string strDir = pszDir ? pszDir : "/tmp";
    setenv("XDG_CONFIG_HOME", strDir.c_str(), 1);
    if (pszDir)
        std::atexit([] { std::filesystem::remove_all(std::getenv("XDG_CONFIG_HOME")); });
    return strDir;
}();

struct SHOWNBOX {
    QString strText;
    QString strCaption;
    QWidget* pParent;
    bool bGuiThread;
};

// Holds the recording thread before block nPause until released or stopped, so a test
// sees a run in progress however fast the simulated box streams.
class CBlockGate {
public:
    void Arm(int nPause, const std::atomic<BOOL>* pStop)
    {
        std::lock_guard lock(m_mutex);
        m_nPause = nPause;
        m_pStop = pStop;
    }
    void OnBlock(int nBlock)
    {
        std::unique_lock lock(m_mutex);
        if (nBlock != m_nPause)
            return;
        m_bReached = true;
        m_cond.notify_all();
        while (!m_bReleased && !(m_pStop && *m_pStop))
            m_cond.wait_for(lock, std::chrono::milliseconds(2));
    }
    bool WaitReached()
    {
        std::unique_lock lock(m_mutex);
        return m_cond.wait_for(lock, std::chrono::seconds(20), [this] { return m_bReached; });
    }
    void Release()
    {
        std::lock_guard lock(m_mutex);
        m_bReleased = true;
        m_cond.notify_all();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_cond;
    int m_nPause = -1;
    const std::atomic<BOOL>* m_pStop = nullptr;
    bool m_bReached = false;
    bool m_bReleased = false;
};

class ViewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string error;
        ASSERT_TRUE(d2xx::D2xxSelect(std::string(), error)) << error;
        ConfigureBox("");
        QSettings(QStringLiteral("Tirbo"), QStringLiteral("Vadel")).clear();
        for (auto& row : g_dCapture)
            for (double& d : row)
                d = 0.0;
        m_prevBox = platform::SetMessageBoxHook([this](QWidget* pParent, const QString& strText, const QString& strCaption) {
            m_boxes.push_back({strText, strCaption, pParent, QThread::currentThread() == qApp->thread()});
            return platform::IDOK;
        });
        m_prevSave = platform::SetSaveFileHook([this](QWidget*, const platform::SAVEFILEPARAMS& params, QString& strPath) {
            m_saveParams = params;
            ++m_nSaveDialogs;
            if (m_strSaveAnswer.isEmpty())
                return FALSE;
            strPath = m_strSaveAnswer;
            return TRUE;
        });
        m_prevModal = platform::SetModalHook([this](CDialog& dlg) {
            QDialog* pWindow = dlg.GetSafeWidget();
            pWindow->show();
            EXPECT_TRUE(QTest::qWaitForWindowExposed(pWindow));
            if (m_dialogScript)
                m_dialogScript(dlg);
            return pWindow->isVisible() ? CDialog::IDCANCEL : pWindow->result();
        });
    }

    void TearDown() override
    {
        m_gate.Release();
        m_pView.reset();
        platform::SetMessageBoxHook(m_prevBox);
        platform::SetSaveFileHook(m_prevSave);
        platform::SetModalHook(m_prevModal);
        sim::Box().Reset(sim::SIMOPTIONS(), false);
    }

    static void ConfigureBox(const std::string& strOptions)
    {
        std::string error;
        ASSERT_TRUE(sim::Box().Reset(strOptions, true, error)) << error;
    }

    // The form as the operator first sees it: shown, initialised and active.
    CVadelView& OpenView()
    {
        m_pView = std::make_unique<CVadelView>();
        m_pView->resize(1000, 700);
        m_pView->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(m_pView.get()));
        m_pView->OnInitialUpdate();
        m_pView->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(m_pView.get()));
        return *m_pView;
    }

    CAcquisition& Acq() { return m_pView->Acquisition(); }
    QLineEdit* Edit(int nId) const { return qobject_cast<QLineEdit*>(m_pView->GetDlgItem(nId)); }
    QCheckBox* Check(int nId) const { return qobject_cast<QCheckBox*>(m_pView->GetDlgItem(nId)); }
    QWidget* Item(int nId) const { return m_pView->GetDlgItem(nId); }
    CElapsedProgressBar* Bar() const { return m_pView->GetProgressBar(); }
    void Click(int nId) const { QTest::mouseClick(Item(nId), Qt::LeftButton); }
    void Type(int nId, const QString& str) const { Edit(nId)->setText(str); }
    // Ticks exactly the boxes captioned "Mic" k for k in the list.
    void SelectMics(std::initializer_list<int> mics) const
    {
        for (int k = 1; k <= 6; ++k)
            Check(res::IDC_MIC1 - (k - 1))->setChecked(std::find(mics.begin(), mics.end(), k) != mics.end());
    }
    QStringList BoxTexts() const
    {
        QStringList texts;
        for (const SHOWNBOX& box : m_boxes)
            texts << box.strText;
        return texts;
    }
    // Pauses the next run before block nPause; "Stop" or closing the view lets it go on.
    void HoldRunAt(int nPause)
    {
        m_gate.Arm(nPause, &Acq().m_bStop);
        Acq().SetBlockObserver([this](int nBlock) { m_gate.OnBlock(nBlock); });
    }
    // The run's end as the window sees it: thread gone and the form handed back.
    bool WaitForIdle() const
    {
        return QTest::qWaitFor([this] { return !m_pView->Acquisition().IsRunActive(); }, 20000);
    }
    // "Go", "Test ADC data", "Start", "Sensor setup" enabled and "Stop" disabled: idle form.
    bool FormIsIdle() const
    {
        return Item(res::IDC_GO)->isEnabled() && Item(res::IDC_TEST_ADC)->isEnabled() &&
               Item(res::IDC_START)->isEnabled() && Item(res::IDC_SENSOR_SETUP)->isEnabled() &&
               !Item(res::IDC_STOP)->isEnabled();
    }

    std::unique_ptr<CVadelView> m_pView;
    CBlockGate m_gate;
    std::vector<SHOWNBOX> m_boxes;
    QString m_strSaveAnswer;
    platform::SAVEFILEPARAMS m_saveParams;
    int m_nSaveDialogs = 0;
    std::function<void(CDialog&)> m_dialogScript;
    platform::MESSAGEBOXHOOK m_prevBox;
    platform::SAVEFILEHOOK m_prevSave;
    platform::MODALHOOK m_prevModal;
};

}  // namespace viewtest
