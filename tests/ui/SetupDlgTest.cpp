#include "tests/platform/forms/GuiTestApp.h"

#include "platform/forms/MessageBox.h"
#include "res/Resource.h"
#include "ui/CSetupDlg.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <functional>

namespace {

// Runs the dialog through the modal hook: the script gets the shown, active window and
// drives it; the hook returns how the dialog ended (0 while it is still open).
class SetupDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_prevBox = platform::SetMessageBoxHook([this](QWidget*, const QString& strText, const QString&) {
            m_messages << strText;
            return platform::IDOK;
        });
        m_prevModal = platform::SetModalHook([this](CDialog& dlg) {
            QDialog* pWindow = dlg.GetSafeWidget();
            pWindow->show();
            EXPECT_TRUE(QTest::qWaitForWindowActive(pWindow));
            m_script(dlg);
            return pWindow->isVisible() ? 0 : pWindow->result();
        });
    }
    void TearDown() override
    {
        platform::SetMessageBoxHook(m_prevBox);
        platform::SetModalHook(m_prevModal);
    }

    static QLineEdit* Edit(CDialog& dlg, int nId) { return qobject_cast<QLineEdit*>(dlg.GetDlgItem(nId)); }
    static void Type(CDialog& dlg, int nId, const QString& str) { Edit(dlg, nId)->setText(str); }
    static void Click(CDialog& dlg, int nId) { QTest::mouseClick(dlg.GetDlgItem(nId), Qt::LeftButton); }

    std::function<void(CDialog&)> m_script;
    QStringList m_messages;
    platform::MESSAGEBOXHOOK m_prevBox;
    platform::MODALHOOK m_prevModal;
};

TEST_F(SetupDialog, OpensWithTheMembersAndFocusOnOk)
{
    QStringList shown;
    QWidget* pFocus = nullptr;
    CSetupDlg dlg;
    m_script = [&](CDialog& d) {
        for (int nId = 1017; nId <= 1026; ++nId)
            shown << Edit(d, nId)->text();
        pFocus = QApplication::focusWidget();
        EXPECT_EQ(pFocus, d.GetDlgItem(res::IDOK));
        EXPECT_EQ(d.GetSafeWidget()->windowTitle(), "Sensor setup");
        Click(d, res::IDCANCEL);
    };
    EXPECT_EQ(dlg.DoModal(), CDialog::IDCANCEL);
    // 1017 and 1018 are sensor 1 at 4 and 20 mA, 1019 and 1020 sensor 2.
    EXPECT_EQ(shown, (QStringList{"0", "1", "0", "1", "Mic1", "Mic2", "Mic3", "Mic4", "Mic5", "Mic6"}));

    CSetupDlg filled;
    filled.m_dSensor1At4mA = 0.1;
    filled.m_dSensor1At20mA = 2.5;
    filled.m_dSensor2At4mA = -20;
    filled.m_dSensor2At20mA = 1.0 / 3.0;
    filled.m_strSignalName[5] = "Rear";
    shown.clear();
    EXPECT_EQ(filled.DoModal(), CDialog::IDCANCEL);
    EXPECT_EQ(shown.mid(0, 4), (QStringList{"0.1", "2.5", "-20", "0.333333333333333"}));
    EXPECT_EQ(shown[9], "Rear");
}

TEST_F(SetupDialog, OkReadsEveryField)
{
    CSetupDlg dlg;
    m_script = [](CDialog& d) {
        Type(d, 1017, "  -3.5e1");
        Type(d, 1018, "12 bar");
        Type(d, 1019, "4");
        Type(d, 1020, "-1");  // below its 4 mA value: accepted
        Type(d, 1021, " Front left ");
        Type(d, 1023, "");
        Click(d, res::IDOK);
    };
    EXPECT_EQ(dlg.DoModal(), CDialog::IDOK);
    EXPECT_TRUE(m_messages.isEmpty());
    EXPECT_DOUBLE_EQ(dlg.m_dSensor1At4mA, -35.0);
    EXPECT_DOUBLE_EQ(dlg.m_dSensor1At20mA, 12.0);
    EXPECT_DOUBLE_EQ(dlg.m_dSensor2At4mA, 4.0);
    EXPECT_DOUBLE_EQ(dlg.m_dSensor2At20mA, -1.0);
    EXPECT_EQ(dlg.m_strSignalName[0], " Front left ");
    EXPECT_EQ(dlg.m_strSignalName[1], "Mic2");
    EXPECT_EQ(dlg.m_strSignalName[2], "");
}

TEST_F(SetupDialog, CancelEscapeAndCloseReadNothing)
{
    for (const char* szHow : {"cancel", "escape", "close"}) {
        CSetupDlg dlg;
        m_script = [&](CDialog& d) {
            Type(d, 1017, "7");
            Type(d, 1022, "changed");
            const QString strHow = szHow;
            if (strHow == "cancel")
                Click(d, res::IDCANCEL);
            else if (strHow == "escape")
                QTest::keyClick(Edit(d, 1022), Qt::Key_Escape);
            else
                d.GetSafeWidget()->close();
        };
        EXPECT_EQ(dlg.DoModal(), CDialog::IDCANCEL) << szHow;
        EXPECT_DOUBLE_EQ(dlg.m_dSensor1At4mA, 0.0) << szHow;
        EXPECT_EQ(dlg.m_strSignalName[1], "Mic2") << szHow;
    }
}

TEST_F(SetupDialog, EnterInAnEditActsAsOk)
{
    CSetupDlg dlg;
    m_script = [](CDialog& d) {
        Type(d, 1020, "9.5");
        Edit(d, 1024)->setFocus();
        QTest::keyClicks(Edit(d, 1024), "X");
        QTest::keyClick(Edit(d, 1024), Qt::Key_Return);
    };
    EXPECT_EQ(dlg.DoModal(), CDialog::IDOK);
    EXPECT_DOUBLE_EQ(dlg.m_dSensor2At20mA, 9.5);
    EXPECT_EQ(dlg.m_strSignalName[3], "Mic4X");
}

// 1019 is exchanged before 1018, so it is the one the operator is sent to; the dialog stays
// open and can still be corrected or cancelled.
TEST_F(SetupDialog, UnreadableNumbersKeepTheDialogOpen)
{
    CSetupDlg dlg;
    int nRound = 0;
    m_script = [&](CDialog& d) {
        Type(d, 1017, "2");
        Type(d, 1018, "abc");
        Type(d, 1019, "xyz");
        Click(d, res::IDOK);
        EXPECT_TRUE(d.GetSafeWidget()->isVisible());
        EXPECT_EQ(QApplication::focusWidget(), d.GetDlgItem(1019));
        EXPECT_EQ(m_messages, QStringList{"Please enter a number."});

        // Enter on the refused field tries again and stops at the next bad one.
        Type(d, 1019, "3");
        QTest::keyClick(Edit(d, 1019), Qt::Key_Return);
        EXPECT_EQ(QApplication::focusWidget(), d.GetDlgItem(1018));
        EXPECT_EQ(m_messages.size(), 2);
        ++nRound;
        if (nRound == 1)
            Click(d, res::IDCANCEL);
        else {
            Type(d, 1018, "");
            Click(d, res::IDOK);
            EXPECT_EQ(m_messages.size(), 3);
            EXPECT_EQ(QApplication::focusWidget(), d.GetDlgItem(1018));
            Type(d, 1018, "5");
            Click(d, res::IDOK);
        }
    };
    EXPECT_EQ(dlg.DoModal(), CDialog::IDCANCEL);
    // Fields exchanged before the refusal already hold their new values; the caller copies
    // nothing back after Cancel.
    EXPECT_DOUBLE_EQ(dlg.m_dSensor1At4mA, 2.0);
    EXPECT_DOUBLE_EQ(dlg.m_dSensor2At4mA, 3.0);
    EXPECT_DOUBLE_EQ(dlg.m_dSensor1At20mA, 1.0);

    m_messages.clear();
    CSetupDlg again;
    EXPECT_EQ(again.DoModal(), CDialog::IDOK);
    EXPECT_DOUBLE_EQ(again.m_dSensor1At20mA, 5.0);
    EXPECT_DOUBLE_EQ(again.m_dSensor2At4mA, 3.0);
}

}  // namespace
