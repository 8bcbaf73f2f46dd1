#include "platform/forms/CDataExchange.h"
#include "platform/forms/MessageBox.h"
#include "platform/forms/NumberText.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLineEdit>
#include <QtGlobal>

namespace {

const QString kMsgInteger = QStringLiteral("Please enter an integer.");
const QString kMsgNumber = QStringLiteral("Please enter a number.");

QString GetText(QWidget* pWidget)
{
    if (auto* pEdit = qobject_cast<QLineEdit*>(pWidget))
        return pEdit->text();
    if (auto* pButton = qobject_cast<QAbstractButton*>(pWidget))
        return pButton->text();
    return pWidget ? pWidget->windowTitle() : QString();
}

void SetText(QWidget* pWidget, const QString& str)
{
    if (auto* pEdit = qobject_cast<QLineEdit*>(pWidget)) {
        // Rewriting the same text would move the caret and drop the undo history.
        if (pEdit->text() != str)
            pEdit->setText(str);
    } else if (auto* pButton = qobject_cast<QAbstractButton*>(pWidget)) {
        pButton->setText(str);
    }
}

}  // namespace

CDataExchange::CDataExchange(const CFormControls& controls, BOOL bSaveAndValidate, QWidget* pDlgWnd)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd), m_controls(controls)
{
}

QWidget* CDataExchange::PrepareCtrl(int nIDC)
{
    QWidget* pWidget = m_controls.GetDlgItem(nIDC);
    if (!pWidget)
        qWarning("data exchange: no control %d in the form", nIDC);
    m_nIdLastControl = nIDC;
    m_bEditLastControl = false;
    return pWidget;
}

QWidget* CDataExchange::PrepareEditCtrl(int nIDC)
{
    QWidget* pWidget = PrepareCtrl(nIDC);
    m_bEditLastControl = true;
    return pWidget;
}

void CDataExchange::Fail(const QString& strMessage)
{
    if (!strMessage.isEmpty())
        platform::MessageBox(m_pDlgWnd, strMessage);
    if (m_bSaveAndValidate && m_nIdLastControl != 0) {
        if (QWidget* pWidget = m_controls.GetDlgItem(m_nIdLastControl)) {
            pWidget->setFocus(Qt::OtherFocusReason);
            if (m_bEditLastControl) {
                if (auto* pEdit = qobject_cast<QLineEdit*>(pWidget))
                    pEdit->selectAll();
            }
        }
    }
    throw CUserException();
}

BOOL ExecuteDataExchange(CDataExchange& dx, const std::function<void(CDataExchange*)>& fnExchange)
{
    try {
        fnExchange(&dx);
    } catch (const CUserException&) {
        return FALSE;
    }
    return TRUE;
}

void DDX_Text(CDataExchange* pDX, int nIDC, QString& value)
{
    QWidget* pWidget = pDX->PrepareEditCtrl(nIDC);
    if (!pWidget)
        return;
    if (pDX->m_bSaveAndValidate)
        value = GetText(pWidget);
    else
        SetText(pWidget, value);
}

void DDX_Text(CDataExchange* pDX, int nIDC, std::string& value)
{
    QString str = QString::fromStdString(value);
    DDX_Text(pDX, nIDC, str);
    if (pDX->m_bSaveAndValidate)
        value = str.toStdString();
}

void DDX_Text(CDataExchange* pDX, int nIDC, int& value)
{
    QWidget* pWidget = pDX->PrepareEditCtrl(nIDC);
    if (!pWidget)
        return;
    if (pDX->m_bSaveAndValidate) {
        const std::optional<int> n = platform::ParseInteger(GetText(pWidget));
        if (!n)
            pDX->Fail(kMsgInteger);
        value = *n;
    } else {
        SetText(pWidget, QString::number(value));
    }
}

void DDX_Text(CDataExchange* pDX, int nIDC, double& value)
{
    QWidget* pWidget = pDX->PrepareEditCtrl(nIDC);
    if (!pWidget)
        return;
    if (pDX->m_bSaveAndValidate) {
        const std::optional<double> d = platform::ScanLeadingDouble(GetText(pWidget));
        if (!d)
            pDX->Fail(kMsgNumber);
        value = *d;
    } else {
        SetText(pWidget, platform::FormatDouble(value));
    }
}

void DDX_Check(CDataExchange* pDX, int nIDC, BOOL& value)
{
    auto* pCheck = qobject_cast<QCheckBox*>(pDX->PrepareCtrl(nIDC));
    if (!pCheck)
        return;
    if (pDX->m_bSaveAndValidate) {
        const Qt::CheckState state = pCheck->checkState();
        value = state == Qt::Checked ? TRUE : state == Qt::PartiallyChecked ? 2 : FALSE;
    } else if (value == 2 && pCheck->isTristate()) {
        pCheck->setCheckState(Qt::PartiallyChecked);
    } else {
        pCheck->setCheckState(value ? Qt::Checked : Qt::Unchecked);
    }
}

void DDX_Control(CDataExchange* pDX, int nIDC, CProgressCtrl& control)
{
    if (control.IsAttached())
        return;
    auto* pBar = qobject_cast<QProgressBar*>(pDX->PrepareCtrl(nIDC));
    if (pBar)
        control.Attach(pBar);
}

void DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal)
{
    if (!pDX->m_bSaveAndValidate || (value >= minVal && value <= maxVal))
        return;
    pDX->Fail(QStringLiteral("Please enter an integer between %1 and %2.").arg(minVal).arg(maxVal));
}

void DDV_MinMaxDouble(CDataExchange* pDX, double value, double minVal, double maxVal)
{
    if (!pDX->m_bSaveAndValidate || (value >= minVal && value <= maxVal))
        return;
    pDX->Fail(QStringLiteral("Please enter a number between %1 and %2.")
                  .arg(platform::FormatDouble(minVal), platform::FormatDouble(maxVal)));
}
