#pragma once
// The recording's progress on stderr: a bar redrawn in place on a terminal, otherwise a
// line every 10 s of recording.
#include <QString>
#include <QTextStream>

namespace cli {

class CProgressLine {
public:
    CProgressLine(QTextStream& err, bool bTerminal, int nTime);

    // Block position and range upper end as the progress bar has them; the elapsed text
    // and the two sensor texts as the form shows them.
    void Show(int nPos, int nUpper, const QString& strElapsed, const QString& strSensor1, const QString& strSensor2);
    // Ends a bar line so what follows starts on a line of its own.
    void Done();

private:
    QTextStream& m_err;
    bool m_bTerminal;
    int m_nTime;
    QString m_strTotal;
    int m_nLastPos = 0;
    int m_nLastTen = 0;  // tens of seconds already reported
    bool m_bDrawn = false;
};

}  // namespace cli
