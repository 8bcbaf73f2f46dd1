// The document's file commands, the recent-file list in the settings, the command line.
#include "ShellFixture.h"

#include "app/CCommandLineInfo.h"
#include "app/CDocManager.h"
#include "app/CFrameCommands.h"
#include "app/CMainFrame.h"
#include "app/DocFileDialog.h"
#include "platform/file/CFile.h"
#include "res/Resource.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QTest>

namespace {

QString WriteFile(const QString& strPath, const QByteArray& data)
{
    QFile file(strPath);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write(data);
    return QFileInfo(strPath).absoluteFilePath();
}

QByteArray ReadFile(const QString& strPath)
{
    QFile file(strPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

}  // namespace

class ShellDocumentTest : public QObject {
    Q_OBJECT

private:
    CMainFrame* Frame() { return m_fixture->m_pApp->GetMainWnd(); }
    CDocManager* Docs() { return m_fixture->m_pApp->GetDocManager(); }
    QAction* Action(int nID) { return Frame()->Commands().GetAction(nID); }
    QString FilePath(const QString& strName) const { return m_fixture->m_filesDir.filePath(strName); }

    // Answers the next Open or Save As dialog with this path ("" cancels).
    void AnswerFileDialog(const QString& strPath)
    {
        SetDocFileHook([this, strPath](QWidget*, const DOCFILEPROMPT& prompt, QString& strChosen) {
            m_prompts.append(prompt);
            if (strPath.isEmpty())
                return false;
            strChosen = strPath;
            return true;
        });
    }

    std::unique_ptr<CShellFixture> m_fixture;
    QList<DOCFILEPROMPT> m_prompts;

private slots:
    void init()
    {
        m_fixture = std::make_unique<CShellFixture>();
        m_prompts.clear();
    }
    void cleanup()
    {
        SetDocFileHook({});
        m_fixture.reset();
    }

    void saveWritesAnEmptyFileAndNamesTheDocument()
    {
        QVERIFY(m_fixture->Start());
        const QString strPath = WriteFile(FilePath("run.vadel"), "left from before");
        AnswerFileDialog(strPath);

        Action(res::ID_FILE_SAVE)->trigger();
        QCOMPARE(m_prompts.size(), 1);
        QVERIFY(!m_prompts.at(0).bOpen);
        QCOMPARE(m_prompts.at(0).strFileName, QStringLiteral("Untitled"));
        QCOMPARE(QFileInfo(strPath).size(), 0);
        QCOMPARE(Frame()->windowTitle(), QStringLiteral("run.vadel - Vadel"));
        // Saving under a name only renames: the view keeps what it shows.
        QCOMPARE(m_fixture->m_view.nInitialUpdates, 1);

        // Named now: Save asks nothing more.
        WriteFile(strPath, "again");
        Action(res::ID_FILE_SAVE)->trigger();
        QCOMPARE(m_prompts.size(), 1);
        QCOMPARE(QFileInfo(strPath).size(), 0);
    }

    void failedSaveIsReportedAndKeepsTheFile()
    {
        QVERIFY(m_fixture->Start());
        AnswerFileDialog(FilePath("no-such-folder/run.vadel"));
        QVERIFY(!Docs()->OnFileSaveAs());
        QCOMPARE(m_fixture->m_strMessages.size(), 1);
        QCOMPARE(Frame()->windowTitle(), QStringLiteral("Untitled - Vadel"));

        AnswerFileDialog(QString());
        QVERIFY(!Docs()->OnFileSaveAs());
        QCOMPARE(m_fixture->m_strMessages.size(), 1);
    }

    void saveNeverReplacesAFileBeingRecorded()
    {
        QVERIFY(m_fixture->Start());
        const QString strPath = WriteFile(FilePath("data.wav"), "RIFF of a run in progress");
        CFile recording;
        QVERIFY(recording.Open(strPath.toStdString(), CFile::modeWrite | CFile::typeBinary));
        AnswerFileDialog(strPath);
        QVERIFY(!Docs()->OnFileSaveAs());
        QCOMPARE(m_fixture->m_strMessages.size(), 1);
        QCOMPARE(ReadFile(strPath), QByteArray("RIFF of a run in progress"));
        QCOMPARE(Frame()->windowTitle(), QStringLiteral("Untitled - Vadel"));

        recording.Close();
        AnswerFileDialog(strPath);
        QVERIFY(Docs()->OnFileSaveAs());
        QCOMPARE(QFileInfo(strPath).size(), 0);
    }

    void openReadsNothingAndReinitialisesTheView()
    {
        QVERIFY(m_fixture->Start());
        const QString strPath = WriteFile(FilePath("notes.txt"), "not a document at all");
        AnswerFileDialog(strPath);
        Action(res::ID_FILE_OPEN)->trigger();
        QCOMPARE(Frame()->windowTitle(), QStringLiteral("notes.txt - Vadel"));
        QCOMPARE(m_fixture->m_view.nInitialUpdates, 2);
        QCOMPARE(ReadFile(strPath), QByteArray("not a document at all"));

        Action(res::ID_FILE_NEW)->trigger();
        QCOMPARE(Frame()->windowTitle(), QStringLiteral("Untitled - Vadel"));
        QCOMPARE(m_fixture->m_view.nInitialUpdates, 3);
    }

    void openFailuresLeaveTheDocumentAlone_data()
    {
        QTest::addColumn<QString>("strName");
        QTest::newRow("missing") << "missing.txt";
        QTest::newRow("folder") << ".";
    }
    void openFailuresLeaveTheDocumentAlone()
    {
        QFETCH(QString, strName);
        QVERIFY(m_fixture->Start());
        QVERIFY(!Docs()->OpenDocumentFile(FilePath(strName)));
        QCOMPARE(m_fixture->m_strMessages.size(), 1);
        QCOMPARE(Frame()->windowTitle(), QStringLiteral("Untitled - Vadel"));
        QCOMPARE(m_fixture->m_view.nInitialUpdates, 1);
        QVERIFY(Frame()->Commands().GetRecentFileActions().isEmpty());
    }

    void recentFilesAreStoredLatestFirstWhenTheProgramEnds()
    {
        QVERIFY(m_fixture->Start());
        QStringList strPaths;
        for (const char* szName : {"a.dat", "b.dat", "c.dat", "d.dat", "e.dat"})
            strPaths.append(WriteFile(FilePath(szName), ""));
        for (const QString& strPath : strPaths)
            QVERIFY(Docs()->OpenDocumentFile(strPath));
        QVERIFY(Docs()->OpenDocumentFile(strPaths.at(2)));  // moves to the front, no duplicate

        const QStringList strExpected{strPaths.at(2), strPaths.at(4), strPaths.at(3), strPaths.at(1)};
        QCOMPARE(m_fixture->m_pApp->GetRecentFileList().Files(), strExpected);
        const QList<QAction*> entries = Frame()->Commands().GetRecentFileActions();
        QCOMPARE(entries.size(), 4);
        QVERIFY(entries.at(0)->text().startsWith(QStringLiteral("&1 ")));
        QVERIFY(entries.at(0)->text().endsWith(QStringLiteral("c.dat")));
        QCOMPARE(entries.at(0)->statusTip(), QStringLiteral("Open this document"));
        QVERIFY(!Action(res::ID_FILE_MRU_FILE1)->isVisible());

        QCOMPARE(m_fixture->StoredRecentFiles(), (QStringList{"", "", "", ""}));
        m_fixture->Stop();
        QCOMPARE(m_fixture->StoredRecentFiles(), strExpected);

        // The next run starts with the stored list.
        m_fixture->m_pApp.reset();
        QVERIFY(m_fixture->Start());
        QCOMPARE(m_fixture->m_pApp->GetRecentFileList().Files(), strExpected);
    }

    void aVanishedRecentFileLeavesTheList()
    {
        QVERIFY(m_fixture->Start());
        const QString strKept = WriteFile(FilePath("kept.dat"), "");
        const QString strGone = WriteFile(FilePath("gone.dat"), "");
        QVERIFY(Docs()->OpenDocumentFile(strKept));
        QVERIFY(Docs()->OpenDocumentFile(strGone));
        QFile::remove(strGone);

        Frame()->Commands().GetRecentFileActions().at(0)->trigger();
        QCOMPARE(m_fixture->m_strMessages.size(), 1);
        QCOMPARE(m_fixture->m_pApp->GetRecentFileList().Files(), QStringList{strKept});
        QCOMPARE(Frame()->Commands().GetRecentFileActions().size(), 1);
        QCOMPARE(Frame()->windowTitle(), QStringLiteral("gone.dat - Vadel"));
    }

    void fileOnTheCommandLineBecomesTheDocument()
    {
        const QString strPath = WriteFile(FilePath("given.wav"), "RIFF");
        QVERIFY(m_fixture->Start({strPath}));
        QCOMPARE(Frame()->windowTitle(), QStringLiteral("given.wav - Vadel"));
        QCOMPARE(m_fixture->m_pApp->GetRecentFileList().Files(), QStringList{strPath});
        QCOMPARE(ReadFile(strPath), QByteArray("RIFF"));
    }

    void unopenableFileOnTheCommandLineEndsStartUp()
    {
        QVERIFY(!m_fixture->Start({FilePath("absent.wav")}));
        QCOMPARE(m_fixture->m_strMessages.size(), 1);
        QVERIFY(!m_fixture->m_pApp->GetMainWnd());
        QCOMPARE(m_fixture->m_pApp->GetExitCode(), 1);
    }

    void commandLine_data()
    {
        QTest::addColumn<QStringList>("strArgs");
        QTest::addColumn<int>("nAction");
        QTest::addColumn<QString>("strSimulate");  // "-" when not simulating
        QTest::addColumn<QString>("strFile");
        using I = CCommandLineInfo;
        QTest::newRow("nothing") << QStringList{} << int(I::FileNew) << "-" << "";
        QTest::newRow("simulate") << QStringList{"--simulate"} << int(I::FileNew) << "" << "";
        QTest::newRow("simulate options") << QStringList{"--simulate=fast,loop1=20"} << int(I::FileNew)
                                          << "fast,loop1=20" << "";
        QTest::newRow("file") << QStringList{"x.wav"} << int(I::FileOpen) << "-" << "x.wav";
        QTest::newRow("simulate and file") << QStringList{"--simulate", "x.wav"} << int(I::FileOpen) << ""
                                           << "x.wav";
        QTest::newRow("dash file") << QStringList{"--", "--simulate"} << int(I::FileOpen) << "-" << "--simulate";
        QTest::newRow("two files") << QStringList{"a", "b"} << int(I::Invalid) << "-" << "";
        QTest::newRow("unknown option") << QStringList{"--fast"} << int(I::Invalid) << "-" << "";
        QTest::newRow("help") << QStringList{"--help"} << int(I::ShowHelp) << "-" << "";
    }
    void commandLine()
    {
        QFETCH(QStringList, strArgs);
        QFETCH(int, nAction);
        QFETCH(QString, strSimulate);
        QFETCH(QString, strFile);
        strArgs.prepend(QStringLiteral("vadel"));
        const CCommandLineInfo info = ParseCommandLine(strArgs);
        QCOMPARE(int(info.m_nAction), nAction);
        if (nAction == CCommandLineInfo::Invalid) {
            QVERIFY(!info.m_strMessage.isEmpty());
            return;
        }
        QCOMPARE(info.m_strSimulate ? QString::fromStdString(*info.m_strSimulate) : QStringLiteral("-"), strSimulate);
        QCOMPARE(info.m_strFileName, strFile);
    }

    void unusableSimulatedBoxIsReported()
    {
        CShellFixture& f = *m_fixture;
        f.m_pApp = std::make_unique<CVadelApp>();
        f.m_pApp->SetViewFactory(StandInViewFactory(f.m_view));
        QVERIFY(!f.m_pApp->InitInstance({"vadel", "--simulate=no-such-option"}));
        QCOMPARE(f.m_strMessages.size(), 1);
        QVERIFY(!f.m_pApp->GetMainWnd());
    }
};

QTEST_MAIN(ShellDocumentTest)
#include "ShellDocumentTest.moc"
