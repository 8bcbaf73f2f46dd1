#pragma once
// A modal dialog built from a template: the members go to the controls when it opens, OK
// reads them back through the data exchange and closes only if every field was accepted.
#include "platform/Types.h"
#include "platform/forms/CDataExchange.h"
#include "platform/forms/CFormBuilder.h"

#include <QDialog>

#include <functional>
#include <memory>

class CDialog {
public:
    static constexpr int IDOK = 1;
    static constexpr int IDCANCEL = 2;

    explicit CDialog(int nIDTemplate, QWidget* pParent = nullptr);
    virtual ~CDialog();
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    // Creates the window, runs it modally through the modal hook and destroys it.
    // Returns the id that ended it (IDOK or IDCANCEL).
    int DoModal();
    // Valid while DoModal runs.
    QDialog* GetSafeWidget() const { return m_pWindow.get(); }
    QWidget* GetDlgItem(int nID) const { return m_controls.GetDlgItem(nID); }
    const CFormControls& Controls() const { return m_controls; }

    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    void EndDialog(int nResult);

    // The buttons' handlers; tests and subclasses may call them directly.
    virtual void OnOK();
    virtual void OnCancel();

    int GetTemplateId() const { return m_nIDTemplate; }

protected:
    virtual BOOL OnInitDialog();
    virtual void DoDataExchange(CDataExchange* pDX);
    // A push button other than OK and Cancel was pressed.
    virtual void OnCommand(int nID);

private:
    int m_nIDTemplate;
    QWidget* m_pParent;
    std::unique_ptr<QDialog> m_pWindow;
    CFormControls m_controls;
};

namespace platform {

// Runs a dialog whose window is built and initialised; returns its result. The default
// runs QDialog::exec(); tests install one that drives the window and returns.
using MODALHOOK = std::function<int(CDialog& dlg)>;
MODALHOOK SetModalHook(MODALHOOK hook);

}  // namespace platform
