#pragma once
// Scaling of the two current-loop inputs and the names of the six microphone signals.
// The caller fills the members, runs DoModal and reads them back only after IDOK.
#include "platform/forms/CDialog.h"

#include <QString>

class CSetupDlg : public CDialog {
public:
    static constexpr int kSignals = 6;

    explicit CSetupDlg(QWidget* pParent = nullptr);
    ~CSetupDlg() override;

    // The 4 mA values come first, so the exchange order is 1017, 1019, 1018, 1020.
    double m_dSensor1At4mA = 0.0;
    double m_dSensor2At4mA = 0.0;
    double m_dSensor1At20mA = 1.0;
    double m_dSensor2At20mA = 1.0;
    QString m_strSignalName[kSignals];

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
