#include "app/CVadelDoc.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "platform/file/CFile.h"
#include "platform/file/CFileException.h"

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
    // A file another writer holds, such as a recording in progress, is never replaced: the
    // rename below would take it away from under the writer.
    if (QFileInfo(strPathName).isFile()) {
        CFile probe;
        CFileException error(CFileException::none, 0, strPathName.toStdString());
        if (!probe.Open(strPathName.toStdString(), CFile::modeRead | CFile::typeBinary, &error) &&
            error.m_cause == CFileException::sharingViolation) {
            strError = QStringLiteral("Cannot save %1: the file is in use.").arg(strPathName);
            return FALSE;
        }
    }
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
