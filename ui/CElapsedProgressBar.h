#pragma once
// The form's progress bar, which also carries the elapsed recording time written on it.
#include <QProgressBar>
#include <QString>

class CElapsedProgressBar : public QProgressBar {
public:
    explicit CElapsedProgressBar(QWidget* pParent = nullptr);

    // Shown horizontally centred, 3 pixels below the top, black on white, until the bar's
    // position changes or another text replaces it.
    void SetElapsedText(const QString& strText);
    QString ElapsedText() const { return m_strElapsed; }

protected:
    void paintEvent(QPaintEvent* pEvent) override;

private:
    QString m_strElapsed;
};
