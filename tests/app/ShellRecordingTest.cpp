// The real form in the window on the simulated box: closing the window during a recording
// stops it and leaves a finished file.
#include "ShellFixture.h"

#include "app/CMainFrame.h"
#include "res/Resource.h"
#include "ui/CVadelView.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QtEndian>

#include <atomic>

class ShellRecordingTest : public QObject {
    Q_OBJECT

private slots:
    void closingDuringARecordingFinishesTheFile()
    {
        CShellFixture fixture;
        fixture.m_pApp = std::make_unique<CVadelApp>();
        QVERIFY(fixture.m_pApp->InitInstance({"vadel", "--simulate=fast"}));
        CMainFrame* pFrame = fixture.m_pApp->GetMainWnd();
        auto* pView = qobject_cast<CVadelView*>(pFrame->GetActiveView());
        QVERIFY(pView);

        std::atomic<int> nBlocks{0};
        pView->Acquisition().SetBlockObserver([&nBlocks](int) { ++nBlocks; });
        const QString strFile = fixture.m_filesDir.filePath(QStringLiteral("closed.wav"));
        qobject_cast<QLineEdit*>(pView->GetDlgItem(res::IDC_OUTPUT_FILE))->setText(strFile);
        qobject_cast<QLineEdit*>(pView->GetDlgItem(res::IDC_TIME))->setText(QStringLiteral("1500"));
        qobject_cast<QPushButton*>(pView->GetDlgItem(res::IDC_START))->click();
        QVERIFY(fixture.m_strMessages.isEmpty());
        QTRY_VERIFY(nBlocks.load() >= 4);

        pFrame->close();
        QVERIFY(!pView->Acquisition().IsRunActive());

        QFile file(strFile);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray header = file.read(44);
        QCOMPARE(header.left(4), QByteArray("RIFF"));
        QCOMPARE(header.mid(36, 4), QByteArray("data"));
        const quint32 dwDataBytes = qFromLittleEndian<quint32>(header.constData() + 40);
        constexpr quint32 kBlockBytes = 256 * 6 * 2;
        QVERIFY(dwDataBytes >= 4 * kBlockBytes);
        QCOMPARE(dwDataBytes % kBlockBytes, 0u);
        QVERIFY(44 + qint64(dwDataBytes) <= file.size());
        fixture.Stop();
    }
};

QTEST_MAIN(ShellRecordingTest)
#include "ShellRecordingTest.moc"
