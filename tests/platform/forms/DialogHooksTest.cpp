#include "GuiTestApp.h"

#include "platform/forms/CDialog.h"
#include "platform/forms/FileDialog.h"
#include "platform/forms/MessageBox.h"
#include "res/Resource.h"

#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <thread>

namespace {

struct CRecordedBox {
    QString strText, strCaption;
    QThread* pThread;
};

TEST(MessageBoxHook, RecordsInsteadOfShowingAndRestores)
{
    std::vector<CRecordedBox> boxes;
    auto hook = [&](QWidget*, const QString& strText, const QString& strCaption) {
        boxes.push_back({strText, strCaption, QThread::currentThread()});
        return platform::IDOK;
    };
    const platform::MESSAGEBOXHOOK previous = platform::SetMessageBoxHook(hook);
    EXPECT_FALSE(previous);

    EXPECT_EQ(platform::MessageBox(nullptr, "File exception"), platform::IDOK);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].strText, "File exception");
    EXPECT_EQ(boxes[0].strCaption, "Vadel");

    // From a worker the box is handed to the GUI thread and the worker does not wait.
    std::thread worker([] { platform::MessageBox(nullptr, "Serial port exception"); });
    worker.join();
    EXPECT_EQ(boxes.size(), 1u);
    QTRY_COMPARE(boxes.size(), 2u);
    EXPECT_EQ(boxes[1].strText, "Serial port exception");
    EXPECT_EQ(boxes[1].pThread, qApp->thread());

    EXPECT_TRUE(platform::SetMessageBoxHook(previous));
}

TEST(MessageBoxHook, DefaultIsAModalBoxWithOk)
{
    QString strSeen;
    QTimer::singleShot(0, [&] {
        auto* pBox = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(pBox, nullptr);
        strSeen = pBox->windowTitle() + "|" + pBox->text();
        EXPECT_EQ(pBox->standardButtons(), QMessageBox::Ok);
        pBox->button(QMessageBox::Ok)->click();
    });
    EXPECT_EQ(platform::MessageBox(nullptr, "Can't start update timer"), platform::IDOK);
    EXPECT_EQ(strSeen, "Vadel|Can't start update timer");
}

TEST(SaveFileDialog, FilterSplitsIntoPairsWithTheirBlanks)
{
    const auto pairs = platform::SplitFilter("WAV files (*.wav) |*.wav| All files (*.*) |*.*||");
    ASSERT_EQ(pairs.size(), 2u);
    EXPECT_EQ(pairs[0].strDescription, "WAV files (*.wav) ");
    EXPECT_EQ(pairs[0].strPattern, "*.wav");
    EXPECT_EQ(pairs[1].strDescription, " All files (*.*) ");
    EXPECT_EQ(pairs[1].strPattern, "*.*");
    EXPECT_EQ(platform::QtNameFilters(pairs), (QStringList{"WAV files (*.wav)", "All files (*.*)"}));

    // Patterns joined by ';' and descriptions that do not show them.
    EXPECT_EQ(platform::QtNameFilters(platform::SplitFilter("Logs|*.txt;*.log||")),
              QStringList{"Logs (*.txt *.log)"});
    // Without the closing "||", and a dangling description.
    EXPECT_EQ(platform::SplitFilter("A|*.a|B").size(), 1u);
    EXPECT_TRUE(platform::SplitFilter("").empty());
}

TEST(SaveFileDialog, HookAnswersAndPathStaysOnCancel)
{
    platform::SAVEFILEPARAMS seen;
    auto previous = platform::SetSaveFileHook([&](QWidget*, const platform::SAVEFILEPARAMS& params, QString& strPath) {
        seen = params;
        if (params.strFileName == "cancel")
            return FALSE;
        strPath = "/data/run1.wav";
        return TRUE;
    });
    platform::SAVEFILEPARAMS params;
    params.strFilter = "WAV files (*.wav) |*.wav| All files (*.*) |*.*||";
    params.strDefExt = ".wav";
    QString strPath = "data.wav";
    EXPECT_EQ(platform::GetSaveFileName(nullptr, params, strPath), TRUE);
    EXPECT_EQ(strPath, "/data/run1.wav");
    EXPECT_EQ(seen.strDefExt, ".wav");
    EXPECT_EQ(seen.bOverwritePrompt, TRUE);

    params.strFileName = "cancel";
    strPath = "data.wav";
    EXPECT_EQ(platform::GetSaveFileName(nullptr, params, strPath), FALSE);
    EXPECT_EQ(strPath, "data.wav");
    platform::SetSaveFileHook(previous);
}

TEST(SaveFileDialog, DefaultDialogAddsTheExtension)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QTimer::singleShot(0, [&] {
        auto* pDialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(pDialog, nullptr);
        EXPECT_EQ(pDialog->nameFilters(), (QStringList{"WAV files (*.wav)", "All files (*.*)"}));
        EXPECT_EQ(pDialog->selectedNameFilter(), "WAV files (*.wav)");
        pDialog->setDirectory(dir.path());
        pDialog->selectFile("take1");
        QMetaObject::invokeMethod(pDialog, "accept");
    });
    platform::SAVEFILEPARAMS params;
    params.strFilter = "WAV files (*.wav) |*.wav| All files (*.*) |*.*||";
    params.strDefExt = ".wav";
    QString strPath;
    ASSERT_EQ(platform::GetSaveFileName(nullptr, params, strPath), TRUE);
    EXPECT_EQ(strPath, dir.filePath("take1.wav"));
    EXPECT_FALSE(QFileInfo::exists(strPath));  // choosing a name creates nothing
}

// The about box: no exchange, ended by OK, Escape or the close box.
TEST(ModalHook, DrivesADialogWithoutBlocking)
{
    const struct {
        const char* szHow;
        int nExpected;
    } cases[] = {{"ok", CDialog::IDOK}, {"enter", CDialog::IDOK}, {"escape", CDialog::IDCANCEL},
                 {"close", CDialog::IDCANCEL}};
    for (const auto& c : cases) {
        QString strVersion;
        auto previous = platform::SetModalHook([&](CDialog& dlg) {
            QDialog* pWindow = dlg.GetSafeWidget();
            pWindow->show();
            EXPECT_TRUE(QTest::qWaitForWindowActive(pWindow));
            strVersion = pWindow->findChildren<QLabel*>().value(1)->text();
            const QString strHow = c.szHow;
            if (strHow == "ok")
                qobject_cast<QPushButton*>(dlg.GetDlgItem(CDialog::IDOK))->click();
            else if (strHow == "enter")
                QTest::keyClick(pWindow, Qt::Key_Return);
            else if (strHow == "escape")
                QTest::keyClick(pWindow, Qt::Key_Escape);
            else
                pWindow->close();
            EXPECT_FALSE(pWindow->isVisible()) << c.szHow;
            return pWindow->result();
        });
        CDialog about(res::IDD_ABOUTBOX);
        EXPECT_EQ(about.DoModal(), c.nExpected) << c.szHow;
        EXPECT_EQ(strVersion, "Vadel Version 1.0");
        EXPECT_EQ(about.GetSafeWidget(), nullptr);
        platform::SetModalHook(previous);
    }
}

}  // namespace
