#pragma once
// The form as the tests see it: every hook the acquisition core calls, recorded. Only the
// GUI thread (the test's own) calls it.
#include "acquisition/IAcquisitionHost.h"

#include <QString>
#include <QStringList>

#include <map>

class CFakeHost : public IAcquisitionHost {
public:
    bool UpdateData(bool bSaveAndValidate) override
    {
        (bSaveAndValidate ? m_nSaves : m_nLoads)++;
        return m_bValid;
    }
    void MessageBox(const QString& strText) override { m_messages << strText; }
    void EnableControl(int nId, bool bEnable) override { m_enabled[nId] = bEnable; }
    void SetControlText(int nId, const QString& strText) override { m_texts[nId] = strText; }
    void SetProgressRange(int nLower, int nUpper) override
    {
        m_nLower = nLower;
        m_nUpper = nUpper;
    }
    void SetProgressPos(int nPos) override { m_nPos = nPos; }
    int GetProgressUpper() override { return m_nUpper; }
    void DrawProgressText(const QString& strText) override { m_strProgressText = strText; }
    void Invalidate() override { ++m_nInvalidations; }

    bool m_bValid = true;
    int m_nSaves = 0;
    int m_nLoads = 0;
    QStringList m_messages;
    std::map<int, bool> m_enabled;
    std::map<int, QString> m_texts;
    int m_nLower = -1;
    int m_nUpper = -1;
    int m_nPos = -1;
    QString m_strProgressText;
    int m_nInvalidations = 0;
};
