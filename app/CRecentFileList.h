#pragma once
// The list of recently opened or saved documents, latest first, kept in the settings section
// "Recent File List" as File1, File2, ...
#include <QString>
#include <QStringList>

class QSettings;

class CRecentFileList {
public:
    explicit CRecentFileList(int nSize = 4);

    // Moves the file to the front; the oldest entry falls off a full list.
    void Add(const QString& strPathName);
    void Remove(int nIndex);
    int GetSize() const { return m_nSize; }
    int GetCount() const { return static_cast<int>(m_strFiles.size()); }
    const QString& operator[](int nIndex) const { return m_strFiles.at(nIndex); }
    const QStringList& Files() const { return m_strFiles; }

    // Entry text for the File menu: "&1 name", with long paths shortened in the middle.
    QString GetDisplayName(int nIndex) const;

    void ReadList(QSettings& settings);
    // Replaces the whole section, so entries dropped from the list leave the store too.
    void WriteList(QSettings& settings) const;

private:
    int m_nSize;
    QStringList m_strFiles;
};

inline constexpr const char* kRecentFileSection = "Recent File List";
