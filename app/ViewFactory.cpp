#include "app/ViewBinding.h"

#include <QLabel>
#include <QVBoxLayout>

// Stand-in until the main form is part of the build.
VIEWBINDING CreateFormView(QWidget* pParent)
{
    auto* pView = new QWidget(pParent);
    pView->setObjectName(QStringLiteral("formView"));
    auto* pLayout = new QVBoxLayout(pView);
    pLayout->addWidget(new QLabel(QStringLiteral("The measurement form is not available in this build."), pView));
    VIEWBINDING binding;
    binding.pView = pView;
    binding.pfnInitialUpdate = [] {};
    binding.pfnShutdown = [] {};
    return binding;
}
