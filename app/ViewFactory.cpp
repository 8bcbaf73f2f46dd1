#include "app/ViewBinding.h"

#include "ui/CVadelView.h"

VIEWBINDING CreateFormView(QWidget* pParent)
{
    auto* pView = new CVadelView(pParent);
    QPointer<CVadelView> pGuarded(pView);
    VIEWBINDING binding;
    binding.pView = pView;
    binding.pfnInitialUpdate = [pGuarded] {
        if (pGuarded)
            pGuarded->OnInitialUpdate();
    };
    binding.pfnShutdown = [pGuarded] {
        if (pGuarded)
            pGuarded->Shutdown();
    };
    return binding;
}
