#include "ui/CSetupDlg.h"
#include "res/Resource.h"

CSetupDlg::CSetupDlg(QWidget* pParent)
    : CDialog(res::IDD_SETUP, pParent),
      m_strSignalName{QStringLiteral("Mic1"), QStringLiteral("Mic2"), QStringLiteral("Mic3"),
                      QStringLiteral("Mic4"), QStringLiteral("Mic5"), QStringLiteral("Mic6")}
{
}

CSetupDlg::~CSetupDlg() = default;

void CSetupDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, res::IDC_SENSOR1_4MA, m_dSensor1At4mA);
    DDX_Text(pDX, res::IDC_SENSOR2_4MA, m_dSensor2At4mA);
    DDX_Text(pDX, res::IDC_SENSOR1_20MA, m_dSensor1At20mA);
    DDX_Text(pDX, res::IDC_SENSOR2_20MA, m_dSensor2At20mA);
    for (int k = 0; k < kSignals; ++k)
        DDX_Text(pDX, res::IDC_SIGNAL_NAME1 + k, m_strSignalName[k]);
}
