#pragma once
// The CAP, NUM and SCRL panes of the status bar: lit while their lock key is on.
#include <QObject>

class QLabel;
class QStatusBar;

class CLockIndicators : public QObject {
    Q_OBJECT
public:
    // Adds the three panes to the right end of the bar.
    explicit CLockIndicators(QStatusBar* pStatusBar);

    void Refresh();
    QLabel* Pane(int nIndex) const { return m_pPanes[nIndex]; }

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    QLabel* m_pPanes[3] = {};
};
