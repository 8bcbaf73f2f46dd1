#include "ui/CVadelView.h"

#include "platform/forms/ResourceText.h"

#include "acquisition/CaptureBuffers.h"
#include "chart/CapturePlot.h"
#include "platform/draw/CPainterDC.h"
#include "platform/forms/FileDialog.h"
#include "platform/forms/MessageBox.h"
#include "res/Resource.h"
#include "res/StringTable.h"
#include "ui/CElapsedProgressBar.h"
#include "ui/CFormCanvas.h"
#include "ui/CSetupDlg.h"

#include <QAbstractButton>
#include <QLayout>
#include <QPainter>
#include <QScrollBar>
#include <QTimerEvent>

#include <algorithm>

namespace {

const char* const kOutputFilter = "WAV files (*.wav) |*.wav| All files (*.*) |*.*||";
const char* const kMsgNoTimer = "Can't start update timer";


}  // namespace

CVadelView::CVadelView(QWidget* pParent)
    : QScrollArea(pParent), m_host(*this), m_acq(m_host, &m_store)
{
    setObjectName(QStringLiteral("formView"));
    BuildForm();
    ConnectCommands();
}

CVadelView::~CVadelView()
{
    // The run must not outlive the controls its end would touch; the acquisition core then
    // saves the settings as it goes.
    Shutdown();
    if (m_nTimerId)
        killTimer(m_nTimerId);
}

void CVadelView::BuildForm()
{
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::NoFocus);
    setWidgetResizable(true);

    m_pCanvas = new CFormCanvas;
    m_pCanvas->SetPainter([this](QPainter& painter, const QRect& client) { Paint(painter, client); });
    m_controls = CFormBuilder::Build(res::IDD_VADEL_FORM, m_pCanvas, [this](const res::DLGITEM& item, QWidget* pParent) {
        if (item.nId != res::IDC_PROGRESS)
            return static_cast<QWidget*>(nullptr);
        m_pProgressBar = new CElapsedProgressBar(pParent);
        m_pProgressBar->setRange(0, 100);
        m_pProgressBar->setValue(0);
        return static_cast<QWidget*>(m_pProgressBar);
    });
    // Smaller than the form, the window scrolls; larger, the plot takes the extra room.
    m_pCanvas->setMinimumSize(m_pCanvas->size());
    setWidget(m_pCanvas);
    setFont(m_pCanvas->font());
}

void CVadelView::ConnectCommands()
{
    const std::pair<int, void (CVadelView::*)()> commands[] = {
        {res::IDC_GO, &CVadelView::OnGo},
        {res::IDC_TEST_ADC, &CVadelView::OnTestAdcData},
        {res::IDC_START, &CVadelView::OnStart},
        {res::IDC_BROWSE, &CVadelView::OnBrowse},
        {res::IDC_SENSOR_SETUP, &CVadelView::OnSensorSetup},
        {res::IDC_STOP, &CVadelView::OnStop},
    };
    for (const auto& [nId, pfnHandler] : commands) {
        if (auto* pButton = qobject_cast<QAbstractButton*>(GetDlgItem(nId)))
            connect(pButton, &QAbstractButton::clicked, this, [this, pfn = pfnHandler] { (this->*pfn)(); });
    }
}

BOOL CVadelView::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(m_controls, bSaveAndValidate, this);
    return ExecuteDataExchange(dx, [this](CDataExchange* pDX) { DoDataExchange(pDX); });
}

void CVadelView::DoDataExchange(CDataExchange* pDX)
{
    CAcquisition& a = m_acq;
    DDX_Text(pDX, res::IDC_BOARD_TEMP, a.m_strBoardTemp);
    DDX_Text(pDX, res::IDC_SENSOR1, a.m_strSensor1);
    DDX_Text(pDX, res::IDC_SENSOR2, a.m_strSensor2);
    for (int i = 0; i < 6; ++i)
        DDX_Check(pDX, res::IDC_MIC6 + i, a.m_bMic[i]);
    DDX_Check(pDX, res::IDC_BUZZER, a.m_bBuzzer);
    DDX_Text(pDX, res::IDC_TIME, a.m_nTime);
    DDV_MinMaxInt(pDX, a.m_nTime, 1, 1500);
    DDX_Control(pDX, res::IDC_PROGRESS, m_Progress);
    DDX_Text(pDX, res::IDC_OUTPUT_FILE, a.m_strOutputFile);
}

void CVadelView::OnInitialUpdate()
{
    UpdateData(FALSE);
    Invalidate();
    ResizeParentToFit();

    // A re-initialisation replaces the running timer.
    if (m_nTimerId)
        killTimer(m_nTimerId);
    m_nTimerId = startTimer(kUpdateTimerPeriodMs);
    if (!m_nTimerId)
        platform::MessageBox(this, QString::fromLatin1(kMsgNoTimer), LoadResourceString(res::IDS_APP_TITLE));
}

void CVadelView::ResizeParentToFit()
{
    QWidget* pFrame = window();
    if (pFrame == this || pFrame->isMaximized() || pFrame->isFullScreen())
        return;
    if (QLayout* pLayout = pFrame->layout())
        pLayout->activate();
    // Shrink only: a frame smaller than the form keeps its size and the form scrolls. The
    // viewport of a frame not yet shown has not followed the layout; the view itself has.
    const QSize available = contentsRect().size();
    QSize needed = m_pCanvas->minimumSize();
    if (available.width() < needed.width())
        needed.rheight() += horizontalScrollBar()->sizeHint().height();
    if (available.height() < needed.height())
        needed.rwidth() += verticalScrollBar()->sizeHint().width();
    const QSize excess = available - needed;
    const QSize frame = pFrame->size();
    const QSize fitted(frame.width() - std::max(0, excess.width()), frame.height() - std::max(0, excess.height()));
    if (fitted != frame)
        pFrame->resize(fitted);
}

void CVadelView::timerEvent(QTimerEvent* pEvent)
{
    if (pEvent->timerId() == m_nTimerId)
        OnTimer();
    else
        QScrollArea::timerEvent(pEvent);
}

void CVadelView::OnBrowse()
{
    platform::SAVEFILEPARAMS params;
    params.strFilter = QString::fromLatin1(kOutputFilter);
    params.strDefExt = QStringLiteral(".wav");
    params.bOverwritePrompt = TRUE;
    QString strPath;
    // Owned by the window, so it stays in front of it and centred on it.
    if (!platform::GetSaveFileName(this, params, strPath))
        return;
    m_acq.m_strOutputFile = strPath;
    UpdateData(FALSE);
}

void CVadelView::OnSensorSetup()
{
    CSetupDlg dlg(this);
    dlg.m_dSensor1At4mA = m_acq.m_dSensor1At4mA;
    dlg.m_dSensor1At20mA = m_acq.m_dSensor1At20mA;
    dlg.m_dSensor2At4mA = m_acq.m_dSensor2At4mA;
    dlg.m_dSensor2At20mA = m_acq.m_dSensor2At20mA;
    for (int k = 0; k < CSetupDlg::kSignals; ++k)
        dlg.m_strSignalName[k] = m_acq.m_strSignalName[k];
    if (dlg.DoModal() != CDialog::IDOK)
        return;
    m_acq.m_dSensor1At4mA = dlg.m_dSensor1At4mA;
    m_acq.m_dSensor1At20mA = dlg.m_dSensor1At20mA;
    m_acq.m_dSensor2At4mA = dlg.m_dSensor2At4mA;
    m_acq.m_dSensor2At20mA = dlg.m_dSensor2At20mA;
    for (int k = 0; k < CSetupDlg::kSignals; ++k)
        m_acq.m_strSignalName[k] = dlg.m_strSignalName[k];
}

void CVadelView::Invalidate() { m_pCanvas->update(); }

void CVadelView::Paint(QPainter& painter, const QRect& client)
{
    const RECT bounds{client.left(), client.top(), client.right() + 1, client.bottom() + 1};
    CPainterDC dc(painter, bounds);
    OnDraw(&dc);
}

void CVadelView::OnDraw(CDC* pDC)
{
    const QRect client = m_pCanvas->rect();
    const RECT rc{client.left(), client.top(), client.right() + 1, client.bottom() + 1};
    DrawCapturePlot(*pDC, rc, g_dCapture, m_acq.m_nChannels, m_acq.m_nSampleRate);
}

void CVadelView::Shutdown()
{
    if (!m_acq.IsRunActive())
        return;
    m_acq.Shutdown();
    ShowIdleControls();
    Invalidate();
}

void CVadelView::ShowIdleControls()
{
    for (int nId : {res::IDC_GO, res::IDC_TEST_ADC, res::IDC_START, res::IDC_SENSOR_SETUP}) {
        if (QWidget* p = GetDlgItem(nId))
            p->setEnabled(true);
    }
    if (QWidget* p = GetDlgItem(res::IDC_STOP))
        p->setEnabled(false);
    m_pProgressBar->SetElapsedText(QString());
    m_Progress.SetPos(0);
}
