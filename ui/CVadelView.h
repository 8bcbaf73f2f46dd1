#pragma once
// The main form: the controls of template 101 bound to the acquisition state, the command
// table, the update timer and the capture plot in the free area beside the controls. It
// scrolls when the window is smaller than the form; the plot grows with a larger one.
#include "acquisition/CAcquisition.h"
#include "acquisition/CSettingsStore.h"
#include "platform/Types.h"
#include "platform/forms/CDataExchange.h"
#include "platform/forms/CFormBuilder.h"
#include "platform/forms/CProgressCtrl.h"
#include "ui/ViewHost.h"

#include <QScrollArea>

#include <memory>

class CDC;
class CElapsedProgressBar;
class CFormCanvas;
class QPainter;

class CVadelView : public QScrollArea {
    Q_OBJECT

public:
    static constexpr int kUpdateTimerPeriodMs = 200;

    // Loads the settings from the per-user store; the destructor saves them.
    explicit CVadelView(QWidget* pParent = nullptr);
    ~CVadelView() override;

    // Members to the controls and the update timer; again on every new or opened document.
    void OnInitialUpdate();
    // The window is closing: a recording is stopped and its file finished before returning.
    void Shutdown();

    // FALSE when a field was refused; its message is shown and the focus is on it.
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    QWidget* GetDlgItem(int nId) const { return m_controls.GetDlgItem(nId); }
    CElapsedProgressBar* GetProgressBar() const { return m_pProgressBar; }
    // The whole client area is repainted, plot included.
    void Invalidate();
    // 0 when the update timer is not running.
    int GetUpdateTimerId() const { return m_nTimerId; }

    // The command table's handlers.
    void OnGo() { m_acq.OnGo(); }
    void OnTestAdcData() { m_acq.OnTestAdcData(); }
    void OnStart() { m_acq.OnStart(); }
    void OnBrowse();
    void OnSensorSetup();
    void OnTimer() { m_acq.OnTimer(); }
    void OnStop() { m_acq.OnStop(); }

    // The capture plot into the client area.
    void OnDraw(CDC* pDC);

    // The acquisition state behind the form.
    CAcquisition& Acquisition() { return m_acq; }
    const CAcquisition& Acquisition() const { return m_acq; }

    CProgressCtrl m_Progress;

protected:
    void DoDataExchange(CDataExchange* pDX);
    void timerEvent(QTimerEvent* pEvent) override;

private:
    void BuildForm();
    void ConnectCommands();
    void Paint(QPainter& painter, const QRect& client);
    void ResizeParentToFit();
    void ShowIdleControls();

    CFormCanvas* m_pCanvas = nullptr;
    CElapsedProgressBar* m_pProgressBar = nullptr;
    CFormControls m_controls;
    int m_nTimerId = 0;

    // The store and the host outlive the acquisition core, which saves on destruction.
    CSettingsStore m_store;
    CViewHost m_host;
    CAcquisition m_acq;
};
