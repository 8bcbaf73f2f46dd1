#pragma once
// The document of the one window. It holds no data: its identity (title and path) is all
// that New, Open and Save change, and it is never modified.
#include "platform/Types.h"

#include <QString>

class CVadelDoc {
public:
    CVadelDoc() = default;

    // A fresh, unnamed document.
    BOOL OnNewDocument();
    // The file becomes the document. It must be a readable file; nothing is read from it.
    BOOL OnOpenDocument(const QString& strPathName, QString& strError);
    // Writes the document, which stores nothing: the file ends up empty.
    BOOL OnSaveDocument(const QString& strPathName, QString& strError);

    const QString& GetTitle() const { return m_strTitle; }
    const QString& GetPathName() const { return m_strPathName; }
    // Names the document after the file (title = file name without folder).
    void SetPathName(const QString& strPathName);
    BOOL IsModified() const { return FALSE; }

private:
    QString m_strTitle;
    QString m_strPathName;
};

// Title of a document that has no file yet.
QString UntitledTitle();
