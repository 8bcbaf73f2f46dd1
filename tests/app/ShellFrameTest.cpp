// The main window after start-up: caption, bars, commands, keys, toggles, about box, close.
#include "ShellFixture.h"

#include "app/CFrameCommands.h"
#include "app/CLockIndicators.h"
#include "app/CMainFrame.h"
#include "app/CTerminationSignals.h"
#include "platform/forms/CDialog.h"
#include "res/Resource.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include <csignal>

class ShellFrameTest : public QObject {
    Q_OBJECT

private:
    CMainFrame* Frame() { return m_fixture->m_pApp->GetMainWnd(); }
    QAction* Action(int nID) { return Frame()->Commands().GetAction(nID); }
    QToolButton* ToolButton(int nID)
    {
        return qobject_cast<QToolButton*>(Frame()->GetToolBar()->widgetForAction(Action(nID)));
    }

    std::unique_ptr<CShellFixture> m_fixture;

private slots:
    void init()
    {
        m_fixture = std::make_unique<CShellFixture>();
        QVERIFY(m_fixture->Start());
    }
    void cleanup() { m_fixture.reset(); }

    void firstAppearance()
    {
        QCOMPARE(Frame()->windowTitle(), QStringLiteral("Untitled - Vadel"));
        QVERIFY(Frame()->windowState() & Qt::WindowMaximized);
        QVERIFY(Frame()->GetMessagePane()->isVisible());
        QCOMPARE(Frame()->GetMessagePane()->text(), QStringLiteral("Ready"));
        QCOMPARE(Frame()->statusBar()->currentMessage(), QString());
        QCOMPARE(m_fixture->m_view.nInitialUpdates, 1);
        QVERIFY(m_fixture->m_strMessages.isEmpty());
        const QStringList strMenus = [this] {
            QStringList s;
            for (QAction* pMenu : Frame()->menuBar()->actions())
                s.append(pMenu->text());
            return s;
        }();
        QCOMPARE(strMenus, (QStringList{"&File", "&Edit", "&View", "&Help"}));
    }

    void toolbarButtons_data()
    {
        QTest::addColumn<int>("nID");
        QTest::addColumn<bool>("bEnabled");
        QTest::addColumn<QString>("strToolTip");
        QTest::addColumn<QString>("strPrompt");
        QTest::newRow("New") << res::ID_FILE_NEW << true << "New" << "Create a new document";
        QTest::newRow("Open") << res::ID_FILE_OPEN << true << "Open" << "Open an existing document";
        QTest::newRow("Save") << res::ID_FILE_SAVE << true << "Save" << "Save the active document";
        QTest::newRow("Cut") << res::ID_EDIT_CUT << false << "Cut" << "Cut the selection and put it on the Clipboard";
        QTest::newRow("Copy") << res::ID_EDIT_COPY << false << "Copy" << "Copy the selection and put it on the Clipboard";
        QTest::newRow("Paste") << res::ID_EDIT_PASTE << false << "Paste" << "Insert Clipboard contents";
        QTest::newRow("Print") << res::ID_FILE_PRINT << false << "" << "";
        QTest::newRow("About") << res::ID_APP_ABOUT << true << "About"
                               << "Display program information, version number and copyright";
    }
    void toolbarButtons()
    {
        QFETCH(int, nID);
        QFETCH(bool, bEnabled);
        QFETCH(QString, strToolTip);
        QFETCH(QString, strPrompt);
        QToolButton* pButton = ToolButton(nID);
        QVERIFY(pButton);
        QCOMPARE(pButton->isEnabled(), bEnabled);
        QVERIFY(!pButton->icon().isNull());
        if (!strToolTip.isEmpty())
            QCOMPARE(pButton->toolTip(), strToolTip);
        QCOMPARE(Action(nID)->statusTip(), strPrompt);
    }

    void promptCoversReadyWhileHovered()
    {
        Action(res::ID_FILE_SAVE_AS)->showStatusText(Frame()->centralWidget());
        QCOMPARE(Frame()->statusBar()->currentMessage(), QStringLiteral("Save the active document with a new name"));
        QVERIFY(!Frame()->GetMessagePane()->isVisible());
        // Leaving the item sends an empty prompt.
        QStatusTipEvent leave{QString()};
        QCoreApplication::sendEvent(Frame()->centralWidget(), &leave);
        QVERIFY(Frame()->GetMessagePane()->isVisible());
        QCOMPARE(Frame()->GetMessagePane()->text(), QStringLiteral("Ready"));
    }

    void accelerators_data()
    {
        QTest::addColumn<int>("nID");
        QTest::addColumn<QString>("strKeys");
        QTest::newRow("New") << res::ID_FILE_NEW << "Ctrl+N";
        QTest::newRow("Open") << res::ID_FILE_OPEN << "Ctrl+O";
        QTest::newRow("Save") << res::ID_FILE_SAVE << "Ctrl+S";
        QTest::newRow("Undo") << res::ID_EDIT_UNDO << "Ctrl+Z|Alt+Backspace";
        QTest::newRow("Cut") << res::ID_EDIT_CUT << "Ctrl+X|Shift+Del";
        QTest::newRow("Copy") << res::ID_EDIT_COPY << "Ctrl+C|Ctrl+Ins";
        QTest::newRow("Paste") << res::ID_EDIT_PASTE << "Ctrl+V|Shift+Ins";
        QTest::newRow("Next pane") << res::ID_NEXT_PANE << "F6";
        QTest::newRow("Previous pane") << res::ID_PREV_PANE << "Shift+F6";
    }
    void accelerators()
    {
        QFETCH(int, nID);
        QFETCH(QString, strKeys);
        QStringList strActual;
        for (const QKeySequence& keys : Action(nID)->shortcuts())
            strActual.append(keys.toString(QKeySequence::PortableText));
        QCOMPARE(strActual.join(QLatin1Char('|')), strKeys);
    }

    void editCommandsAndPanesAreDisabled()
    {
        for (int nID : {res::ID_EDIT_UNDO, res::ID_EDIT_CUT, res::ID_EDIT_COPY, res::ID_EDIT_PASTE,
                        res::ID_NEXT_PANE, res::ID_PREV_PANE, res::ID_FILE_MRU_FILE1})
            QVERIFY2(!Action(nID)->isEnabled(), qPrintable(QString::number(nID)));
    }

    void ctrlNRenewsTheDocument()
    {
        Frame()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(Frame()));
        QTest::keyClick(Frame(), Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(m_fixture->m_view.nInitialUpdates, 2);
    }

    void editsInTheViewKeepTheClipboardKeys()
    {
        auto* pEdit = new QLineEdit(Frame()->centralWidget());
        pEdit->show();
        Frame()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(Frame()));
        pEdit->setFocus();
        QGuiApplication::clipboard()->setText(QStringLiteral("data.wav"));
        QTest::keyClick(pEdit, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(pEdit, Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(pEdit->text(), QStringLiteral("data.wavdata.wav"));
    }

    void viewTogglesFollowTheBars()
    {
        QAction* pToolbarItem = Action(res::ID_VIEW_TOOLBAR);
        QAction* pStatusItem = Action(res::ID_VIEW_STATUS_BAR);
        QVERIFY(pToolbarItem->isChecked());
        QVERIFY(pStatusItem->isChecked());

        pToolbarItem->trigger();
        QVERIFY(Frame()->GetToolBar()->isHidden());
        QVERIFY(!pToolbarItem->isChecked());
        pStatusItem->trigger();
        QVERIFY(Frame()->statusBar()->isHidden());
        QVERIFY(!pStatusItem->isChecked());

        pToolbarItem->trigger();
        pStatusItem->trigger();
        QVERIFY(Frame()->GetToolBar()->isVisible());
        QVERIFY(Frame()->statusBar()->isVisible());
        QVERIFY(pToolbarItem->isChecked());
        QVERIFY(pStatusItem->isChecked());

        // Hidden some other way (the bar's own context menu): the mark follows when the menu opens.
        Frame()->GetToolBar()->hide();
        emit Frame()->Commands().MenuAboutToShow(nullptr);
        QVERIFY(!pToolbarItem->isChecked());
    }

    void lockPanesAreThere()
    {
        CLockIndicators* pIndicators = Frame()->GetLockIndicators();
        QStringList strTexts;
        for (int i = 0; i < 3; ++i) {
            strTexts.append(pIndicators->Pane(i)->text());
            // The offscreen platform does not tell the lock keys: shown dim.
            QVERIFY(!pIndicators->Pane(i)->isEnabled());
        }
        QCOMPARE(strTexts, (QStringList{"CAP", "NUM", "SCRL"}));
    }

    void aboutBoxShowsNameVersionAndNotice()
    {
        QString strCaption;
        QStringList strTexts;
        bool bIconShown = false;
        const platform::MODALHOOK previous = platform::SetModalHook([&](CDialog& dlg) {
            strCaption = dlg.GetSafeWidget()->windowTitle();
            for (QLabel* pLabel : dlg.GetSafeWidget()->findChildren<QLabel*>()) {
                if (!pLabel->text().isEmpty())
                    strTexts.append(pLabel->text());
                else if (!pLabel->pixmap().isNull())
                    bIconShown = true;
            }
            return CDialog::IDOK;
        });
        Action(res::ID_APP_ABOUT)->trigger();
        platform::SetModalHook(previous);

        QCOMPARE(strCaption, QStringLiteral("About Vadel"));
        QVERIFY(strTexts.contains(QStringLiteral("Vadel Version 1.0")));
        QCOMPARE(strTexts.size(), 2);
        QCOMPARE(strTexts.at(1).count(QLatin1Char('\n')), 1);
        QVERIFY(bIconShown);
    }

    void terminationSignalClosesTheWindow()
    {
        CTerminationSignals termination([this] { Frame()->close(); });
        ::raise(SIGTERM);
        QTRY_VERIFY(!Frame()->isVisible());
        QCOMPARE(m_fixture->m_view.strEvents, QStringList{"shutdown"});
    }

    void closingShutsTheViewDownBeforeDestroyingIt()
    {
        Action(res::ID_APP_EXIT)->trigger();
        QVERIFY(!Frame()->isVisible());
        QCOMPARE(m_fixture->m_view.strEvents, QStringList{"shutdown"});
        m_fixture->Stop();
        QCOMPARE(m_fixture->m_view.strEvents, (QStringList{"shutdown", "destroyed"}));
    }
};

QTEST_MAIN(ShellFrameTest)
#include "ShellFrameTest.moc"
