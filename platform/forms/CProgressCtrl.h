#pragma once
// A progress bar addressed the framework's way: attached to the form's control once, then
// driven by range and position. Calls on an unattached object do nothing (and read as 0).
#include <QPointer>
#include <QProgressBar>

class CProgressCtrl {
public:
    void Attach(QProgressBar* pBar) { m_pBar = pBar; }
    void Detach() { m_pBar = nullptr; }
    QProgressBar* GetSafeWidget() const { return m_pBar; }
    bool IsAttached() const { return !m_pBar.isNull(); }

    void SetRange32(int nLower, int nUpper);
    void GetRange(int& nLower, int& nUpper) const;
    // Returns the previous position.
    int SetPos(int nPos);
    int GetPos() const;

private:
    QPointer<QProgressBar> m_pBar;
};
