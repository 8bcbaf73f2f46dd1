#include "app/DocFileDialog.h"

#include <QDir>
#include <QFileDialog>

namespace {

DOCFILEHOOK& Hook()
{
    static DOCFILEHOOK hook;
    return hook;
}

bool RunFileDialog(QWidget* pParent, const DOCFILEPROMPT& prompt, QString& strPathName)
{
    QFileDialog dialog(pParent, prompt.strTitle);
    // "*" and not "*.*": most files here have no dot in their name.
    dialog.setNameFilter(QStringLiteral("All Files (*)"));
    dialog.setAcceptMode(prompt.bOpen ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(prompt.bOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setDirectory(QDir::currentPath());
    if (!prompt.strFileName.isEmpty())
        dialog.selectFile(prompt.strFileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    strPathName = dialog.selectedFiles().constFirst();
    return true;
}

}  // namespace

bool PromptForDocFileName(QWidget* pParent, const DOCFILEPROMPT& prompt, QString& strPathName)
{
    if (Hook())
        return Hook()(pParent, prompt, strPathName);
    return RunFileDialog(pParent, prompt, strPathName);
}

DOCFILEHOOK SetDocFileHook(DOCFILEHOOK hook)
{
    DOCFILEHOOK previous = std::move(Hook());
    Hook() = std::move(hook);
    return previous;
}
