#include "platform/forms/FileDialog.h"

#include <QFileDialog>

namespace platform {
namespace {

SAVEFILEHOOK g_hook;

BOOL RunQtDialog(QWidget* pParent, const SAVEFILEPARAMS& params, QString& strPath)
{
    QFileDialog dlg(pParent, params.strTitle);
    dlg.setAcceptMode(QFileDialog::AcceptSave);
    dlg.setFileMode(QFileDialog::AnyFile);
    const QStringList filters = QtNameFilters(SplitFilter(params.strFilter));
    if (!filters.isEmpty())
        dlg.setNameFilters(filters);
    QString strExt = params.strDefExt;
    if (strExt.startsWith(u'.'))
        strExt.remove(0, 1);
    dlg.setDefaultSuffix(strExt);
    if (!params.bOverwritePrompt)
        dlg.setOption(QFileDialog::DontConfirmOverwrite);
    if (!params.strFileName.isEmpty())
        dlg.selectFile(params.strFileName);
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return FALSE;
    strPath = dlg.selectedFiles().constFirst();
    return TRUE;
}

}  // namespace

std::vector<FILTERPAIR> SplitFilter(const QString& strFilter)
{
    std::vector<FILTERPAIR> pairs;
    const QStringList parts = strFilter.split(u'|');
    // An empty description ends the list ("||"); a description without a pattern is dropped.
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].isEmpty())
            break;
        pairs.push_back({parts[i], parts[i + 1]});
    }
    return pairs;
}

QStringList QtNameFilters(const std::vector<FILTERPAIR>& pairs)
{
    QStringList filters;
    for (const FILTERPAIR& pair : pairs) {
        QString strPatterns = pair.strPattern;
        strPatterns.replace(u';', u' ');
        strPatterns = strPatterns.simplified();
        const QString strDesc = pair.strDescription.trimmed();
        // Qt reads the patterns from the trailing parentheses; keep a description that
        // already shows them as it is.
        if (strDesc.endsWith(QStringLiteral("(%1)").arg(strPatterns)))
            filters << strDesc;
        else
            filters << QStringLiteral("%1 (%2)").arg(strDesc, strPatterns);
    }
    return filters;
}

BOOL GetSaveFileName(QWidget* pParent, const SAVEFILEPARAMS& params, QString& strPath)
{
    if (g_hook)
        return g_hook(pParent, params, strPath);
    return RunQtDialog(pParent, params, strPath);
}

SAVEFILEHOOK SetSaveFileHook(SAVEFILEHOOK hook)
{
    std::swap(g_hook, hook);
    return hook;
}

}  // namespace platform
