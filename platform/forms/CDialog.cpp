#include "platform/forms/CDialog.h"
#include "res/Resource.h"

#include <QAbstractButton>

namespace {

platform::MODALHOOK g_modalHook;

// Routes the window's own ways of ending (Enter on the default button, Escape, the close
// box) to the owner, so every one of them passes through OnOK or OnCancel.
class CDialogWindow : public QDialog {
public:
    CDialogWindow(CDialog& owner, QWidget* pParent) : QDialog(pParent), m_owner(owner) {}

    void accept() override { m_owner.OnOK(); }
    void reject() override { m_owner.OnCancel(); }

private:
    CDialog& m_owner;
};

}  // namespace

CDialog::CDialog(int nIDTemplate, QWidget* pParent) : m_nIDTemplate(nIDTemplate), m_pParent(pParent) {}

CDialog::~CDialog() = default;

int CDialog::DoModal()
{
    const res::DLGTEMPLATE* pTemplate = res::FindDialogTemplate(m_nIDTemplate);
    if (!pTemplate || m_pWindow)
        return -1;

    m_pWindow = std::make_unique<CDialogWindow>(*this, m_pParent);
    m_pWindow->setModal(true);
    m_controls = CFormBuilder::Build(*pTemplate, m_pWindow.get());
    for (const CFormControls::ITEM& item : m_controls.Items()) {
        auto* pButton = qobject_cast<QAbstractButton*>(item.pWidget.data());
        if (!pButton || item.nId == res::IDC_STATIC)
            continue;
        const int nId = item.nId;
        QObject::connect(pButton, &QAbstractButton::clicked, m_pWindow.get(), [this, nId] {
            if (nId == IDOK)
                OnOK();
            else if (nId == IDCANCEL)
                OnCancel();
            else
                OnCommand(nId);
        });
    }

    OnInitDialog();
    int nResult = g_modalHook ? g_modalHook(*this) : m_pWindow->exec();
    // Closed some other way than through OnOK/OnCancel (e.g. its parent went away).
    if (nResult != IDOK && nResult != IDCANCEL && nResult != -1)
        nResult = IDCANCEL;

    m_controls.Clear();
    m_pWindow.reset();
    return nResult;
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(m_controls, bSaveAndValidate, m_pWindow.get());
    return ExecuteDataExchange(dx, [this](CDataExchange* pDX) { DoDataExchange(pDX); });
}

void CDialog::EndDialog(int nResult)
{
    if (m_pWindow)
        m_pWindow->done(nResult);
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    for (const CFormControls::ITEM& item : m_controls.Items()) {
        QWidget* pWidget = item.pWidget;
        if (pWidget && pWidget->isEnabled() && (pWidget->focusPolicy() & Qt::TabFocus)) {
            pWidget->setFocus(Qt::OtherFocusReason);
            break;
        }
    }
    return TRUE;
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return;  // the exchange has told the operator and put the focus on the field
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::DoDataExchange(CDataExchange*) {}

void CDialog::OnCommand(int) {}

namespace platform {

MODALHOOK SetModalHook(MODALHOOK hook)
{
    std::swap(g_modalHook, hook);
    return hook;
}

}  // namespace platform
