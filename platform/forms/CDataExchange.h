#pragma once
// Moves values between the controls of a built form and the members of its owner, and
// validates what the operator typed.
#include "platform/Types.h"
#include "platform/forms/CFormBuilder.h"
#include "platform/forms/CProgressCtrl.h"
#include "platform/forms/CUserException.h"

#include <QString>

#include <functional>
#include <string>

class CDataExchange {
public:
    // bSaveAndValidate TRUE: controls -> members with validation; FALSE: members -> controls.
    // pDlgWnd owns the message boxes of refused fields.
    CDataExchange(const CFormControls& controls, BOOL bSaveAndValidate, QWidget* pDlgWnd = nullptr);

    BOOL m_bSaveAndValidate;
    QWidget* m_pDlgWnd;

    // The control a DDX routine is about to exchange; later validation and Fail() refer to it.
    QWidget* PrepareCtrl(int nIDC);
    QWidget* PrepareEditCtrl(int nIDC);
    // Tells the operator, puts the focus on the last prepared control and throws CUserException.
    [[noreturn]] void Fail(const QString& strMessage);

    const CFormControls& Controls() const { return m_controls; }

private:
    const CFormControls& m_controls;
    int m_nIdLastControl = 0;
    bool m_bEditLastControl = false;
};

// Runs an exchange routine and turns a refused field into FALSE.
BOOL ExecuteDataExchange(CDataExchange& dx, const std::function<void(CDataExchange*)>& fnExchange);

void DDX_Text(CDataExchange* pDX, int nIDC, QString& value);
void DDX_Text(CDataExchange* pDX, int nIDC, std::string& value);
// Decimal integer; refuses anything else with "Please enter an integer.".
void DDX_Text(CDataExchange* pDX, int nIDC, int& value);
// Shown with 15 significant digits; read as the number the text begins with.
void DDX_Text(CDataExchange* pDX, int nIDC, double& value);
void DDX_Check(CDataExchange* pDX, int nIDC, BOOL& value);
// Attaches the control on the first exchange only.
void DDX_Control(CDataExchange* pDX, int nIDC, CProgressCtrl& control);

// Range check of the value just exchanged; only when reading the controls.
void DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal);
void DDV_MinMaxDouble(CDataExchange* pDX, double value, double minVal, double maxVal);
