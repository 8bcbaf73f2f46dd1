#pragma once
// The save-file dialog through a replaceable hook, so tests can answer it.
#include "platform/Types.h"

#include <QString>

#include <functional>
#include <vector>

class QWidget;

namespace platform {

struct FILTERPAIR {
    QString strDescription;   // kept as written, blanks included
    QString strPattern;       // "*.wav"; several separated by ';'
};

struct SAVEFILEPARAMS {
    QString strFilter;        // "description|pattern|...|" pairs, ended by "||"
    QString strDefExt;        // added when the typed name has no extension ("wav" or ".wav")
    QString strFileName;      // preset name; may be empty
    QString strTitle;         // empty: the dialog's own title
    BOOL bOverwritePrompt = TRUE;
};

// Splits a framework filter string at each '|' into description/pattern pairs.
std::vector<FILTERPAIR> SplitFilter(const QString& strFilter);
// The pairs as Qt name filters ("Description (*.wav)"), in order.
QStringList QtNameFilters(const std::vector<FILTERPAIR>& pairs);

// Runs the dialog modally. TRUE with the full path (folder, name and any added extension)
// when the operator confirmed; FALSE and strPath untouched otherwise.
using SAVEFILEHOOK = std::function<BOOL(QWidget* pParent, const SAVEFILEPARAMS& params, QString& strPath)>;
BOOL GetSaveFileName(QWidget* pParent, const SAVEFILEPARAMS& params, QString& strPath);
SAVEFILEHOOK SetSaveFileHook(SAVEFILEHOOK hook);

}  // namespace platform
