#include "app/CAboutBox.h"

#include "app/ShellIcons.h"
#include "res/DialogTemplate.h"
#include "res/Resource.h"

#include <QLabel>

CAboutBox::CAboutBox(QWidget* pParent) : CDialog(res::IDD_ABOUTBOX, pParent) {}

BOOL CAboutBox::OnInitDialog()
{
    const BOOL bResult = CDialog::OnInitDialog();
    const res::DLGTEMPLATE* pTemplate = res::FindDialogTemplate(res::IDD_ABOUTBOX);
    if (!pTemplate)
        return bResult;
    // The icon item shows the program's icon at the size the template gives it.
    const auto& items = Controls().Items();
    for (std::size_t i = 0; i < pTemplate->items.size() && i < items.size(); ++i) {
        const res::DLGITEM& item = pTemplate->items[i];
        auto* pLabel = qobject_cast<QLabel*>(items[i].pWidget.data());
        if (item.kind == res::CONTROLKIND::Icon && pLabel) {
            const QSize size = pLabel->size().isEmpty() ? QSize(32, 32) : pLabel->size();
            pLabel->setPixmap(AppIcon().pixmap(size.boundedTo(QSize(32, 32))));
        }
    }
    if (QDialog* pWindow = GetSafeWidget())
        pWindow->setWindowIcon(AppIcon());
    return bResult;
}
