#include "app/CVadelDoc.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

QString UntitledTitle()
{
    return QStringLiteral("Untitled");
}

BOOL CVadelDoc::OnNewDocument()
{
    m_strPathName.clear();
    m_strTitle = UntitledTitle();
    return TRUE;
}

BOOL CVadelDoc::OnOpenDocument(const QString& strPathName, QString& strError)
{
    const QFileInfo info(strPathName);
    if (info.isDir()) {
        strError = QStringLiteral("%1 is a folder, not a file.").arg(strPathName);
        return FALSE;
    }
    // Opening proves the file is there and readable; the document itself stores nothing.
    QFile file(strPathName);
    if (!file.open(QIODevice::ReadOnly)) {
        strError = QStringLiteral("Cannot open %1: %2.").arg(strPathName, file.errorString());
        return FALSE;
    }
    SetPathName(strPathName);
    return TRUE;
}

BOOL CVadelDoc::OnSaveDocument(const QString& strPathName, QString& strError)
{
    // Through a temporary file, so a failed save never truncates what was there.
    QSaveFile file(strPathName);
    if (!file.open(QIODevice::WriteOnly) || !file.commit()) {
        strError = QStringLiteral("Cannot save %1: %2.").arg(strPathName, file.errorString());
        return FALSE;
    }
    SetPathName(strPathName);
    return TRUE;
}

void CVadelDoc::SetPathName(const QString& strPathName)
{
    const QFileInfo info(strPathName);
    m_strPathName = info.absoluteFilePath();
    m_strTitle = info.fileName();
}
