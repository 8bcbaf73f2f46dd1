#include "app/CRecentFileList.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include <algorithm>

namespace {

constexpr int kMaxDisplayChars = 48;

QString EntryKey(int nIndex)
{
    return QStringLiteral("File%1").arg(nIndex + 1);
}

QString Normalised(const QString& strPathName)
{
    return QDir::cleanPath(QFileInfo(strPathName).absoluteFilePath());
}

}  // namespace

CRecentFileList::CRecentFileList(int nSize) : m_nSize(nSize) {}

void CRecentFileList::Add(const QString& strPathName)
{
    if (strPathName.isEmpty())
        return;
    const QString strFile = Normalised(strPathName);
    m_strFiles.removeAll(strFile);
    m_strFiles.prepend(strFile);
    while (m_strFiles.size() > m_nSize)
        m_strFiles.removeLast();
}

void CRecentFileList::Remove(int nIndex)
{
    if (nIndex >= 0 && nIndex < m_strFiles.size())
        m_strFiles.removeAt(nIndex);
}

QString CRecentFileList::GetDisplayName(int nIndex) const
{
    QString strName = QDir::toNativeSeparators(m_strFiles.at(nIndex));
    const QString strHome = QDir::homePath() + QLatin1Char('/');
    if (strName.startsWith(strHome))
        strName = QStringLiteral("~/") + strName.mid(strHome.size());
    if (strName.size() > kMaxDisplayChars) {
        // Keep the file name whole; shorten the folders.
        const QString strFile = QFileInfo(strName).fileName();
        const int nKeep = std::max(0, kMaxDisplayChars - 4 - static_cast<int>(strFile.size()));
        strName = strName.left(nKeep) + QStringLiteral("...") + QLatin1Char('/') + strFile;
    }
    // A literal & in a path must not become a mnemonic.
    strName.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return QStringLiteral("&%1 %2").arg(nIndex + 1).arg(strName);
}

void CRecentFileList::ReadList(QSettings& settings)
{
    m_strFiles.clear();
    settings.beginGroup(QString::fromLatin1(kRecentFileSection));
    for (int i = 0; i < m_nSize; ++i) {
        const QString strFile = settings.value(EntryKey(i)).toString();
        if (!strFile.isEmpty() && !m_strFiles.contains(strFile))
            m_strFiles.append(strFile);
    }
    settings.endGroup();
}

void CRecentFileList::WriteList(QSettings& settings) const
{
    settings.remove(QString::fromLatin1(kRecentFileSection));
    settings.beginGroup(QString::fromLatin1(kRecentFileSection));
    for (int i = 0; i < m_strFiles.size(); ++i)
        settings.setValue(EntryKey(i), m_strFiles.at(i));
    settings.endGroup();
}
