#include "GuiTestApp.h"

#include "platform/forms/CDataExchange.h"
#include "platform/forms/MessageBox.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QTest>

#include <array>
#include <memory>

namespace {

constexpr int kName = 10, kTime = 11, kScale = 12, kFlag = 13, kBar = 14, kPath = 15;
constexpr std::uint32_t kEdit = res::WS_BORDER | res::ES_AUTOHSCROLL | res::WS_TABSTOP;

constexpr std::array kItems{
    res::DLGITEM{kName, res::CONTROLKIND::Edit, "", 4, 4, 60, 14, kEdit},
    res::DLGITEM{kFlag, res::CONTROLKIND::AutoCheckBox, "Flag", 4, 22, 60, 10, res::WS_TABSTOP},
    res::DLGITEM{kTime, res::CONTROLKIND::Edit, "", 4, 36, 60, 14, kEdit},
    res::DLGITEM{kScale, res::CONTROLKIND::Edit, "", 4, 54, 60, 14, kEdit},
    res::DLGITEM{kBar, res::CONTROLKIND::Progress, "", 4, 72, 60, 10, res::WS_BORDER},
    res::DLGITEM{kPath, res::CONTROLKIND::Edit, "", 4, 86, 60, 14, kEdit},
};
constexpr res::DLGTEMPLATE kTemplate{900, "", 80, 110, res::DS_CHILD, "MS Shell Dlg", 8, kItems};

// A form whose members are exchanged in the order name, flag, time (1..1500), scale, bar, path.
struct CTestForm {
    QWidget window;
    CFormControls controls = CFormBuilder::Build(kTemplate, &window);
    QString m_strName = "old";
    BOOL m_bFlag = FALSE;
    int m_nTime = 1;
    double m_dScale = 1.0;
    CProgressCtrl m_Progress;
    std::string m_strPath = "data.wav";

    void DoDataExchange(CDataExchange* pDX)
    {
        DDX_Text(pDX, kName, m_strName);
        DDX_Check(pDX, kFlag, m_bFlag);
        DDX_Text(pDX, kTime, m_nTime);
        DDV_MinMaxInt(pDX, m_nTime, 1, 1500);
        DDX_Text(pDX, kScale, m_dScale);
        DDX_Control(pDX, kBar, m_Progress);
        DDX_Text(pDX, kPath, m_strPath);
    }
    BOOL UpdateData(BOOL bSave)
    {
        CDataExchange dx(controls, bSave, &window);
        return ExecuteDataExchange(dx, [this](CDataExchange* p) { DoDataExchange(p); });
    }
    QLineEdit* Edit(int nId) const { return controls.GetItem<QLineEdit>(nId); }
    void Type(int nId, const char* sz) const { Edit(nId)->setText(QString::fromUtf8(sz)); }
};

class DataExchange : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_previous = platform::SetMessageBoxHook([this](QWidget* pParent, const QString& strText,
                                                         const QString& strCaption) {
            m_messages << strText;
            m_captions << strCaption;
            m_pLastParent = pParent;
            return platform::IDOK;
        });
        form = std::make_unique<CTestForm>();
        form->window.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form->window));
        ASSERT_TRUE(form->UpdateData(FALSE));
    }
    void TearDown() override { platform::SetMessageBoxHook(m_previous); }

    std::unique_ptr<CTestForm> form;
    QStringList m_messages, m_captions;
    QWidget* m_pLastParent = nullptr;
    platform::MESSAGEBOXHOOK m_previous;
};

TEST_F(DataExchange, WritesMembersToControls)
{
    EXPECT_EQ(form->Edit(kName)->text(), "old");
    EXPECT_FALSE(form->controls.GetItem<QCheckBox>(kFlag)->isChecked());
    EXPECT_EQ(form->Edit(kTime)->text(), "1");
    EXPECT_EQ(form->Edit(kScale)->text(), "1");
    EXPECT_EQ(form->Edit(kPath)->text(), "data.wav");
    EXPECT_EQ(form->m_Progress.GetSafeWidget(), form->controls.GetItem<QProgressBar>(kBar));

    const struct {
        double d;
        const char* szShown;
    } cases[] = {{0.1, "0.1"}, {2.5, "2.5"}, {0.0, "0"}, {-35.0, "-35"}, {1.0 / 3.0, "0.333333333333333"}};
    for (const auto& c : cases) {
        form->m_dScale = c.d;
        form->m_bFlag = TRUE;
        ASSERT_TRUE(form->UpdateData(FALSE));
        EXPECT_EQ(form->Edit(kScale)->text(), c.szShown);
        EXPECT_TRUE(form->controls.GetItem<QCheckBox>(kFlag)->isChecked());
    }
    // Writing never validates: an out-of-range member is shown as it is.
    form->m_nTime = 0;
    EXPECT_TRUE(form->UpdateData(FALSE));
    EXPECT_EQ(form->Edit(kTime)->text(), "0");
    EXPECT_TRUE(m_messages.isEmpty());
}

TEST_F(DataExchange, ReadsValidFields)
{
    form->Type(kName, "  spaced  ");
    form->controls.GetItem<QCheckBox>(kFlag)->setChecked(true);
    form->Type(kTime, " 1500 ");
    form->Type(kScale, "  -3.5e1");
    form->Type(kPath, "/tmp/ä.wav");
    ASSERT_TRUE(form->UpdateData(TRUE));
    EXPECT_EQ(form->m_strName, "  spaced  ");
    EXPECT_EQ(form->m_bFlag, TRUE);
    EXPECT_EQ(form->m_nTime, 1500);
    EXPECT_DOUBLE_EQ(form->m_dScale, -35.0);
    EXPECT_EQ(form->m_strPath, "/tmp/\xc3\xa4.wav");
    EXPECT_TRUE(m_messages.isEmpty());

    form->Type(kScale, "12 bar");
    ASSERT_TRUE(form->UpdateData(TRUE));
    EXPECT_DOUBLE_EQ(form->m_dScale, 12.0);
}

// Reading stops at the first refused field: the operator is told, the field gets the focus
// with its text selected, earlier members hold their new values and later ones the old.
TEST_F(DataExchange, RefusedFieldStopsTheExchange)
{
    const struct {
        const char* szTime;
        const char* szScale;
        const char* szMessage;
        int nFocus;
        int nTimeAfter;        // the int is stored before its range check refuses it
        double dScaleAfter;
    } cases[] = {
        {"abc", "5", "Please enter an integer.", kTime, 1, 1.0},
        {"", "5", "Please enter an integer.", kTime, 1, 1.0},
        {"0", "5", "Please enter an integer between 1 and 1500.", kTime, 0, 1.0},
        {"1501", "5", "Please enter an integer between 1 and 1500.", kTime, 1501, 1.0},
        {"10", "abc", "Please enter a number.", kScale, 10, 1.0},
        {"10", "", "Please enter a number.", kScale, 10, 1.0},
    };
    for (const auto& c : cases) {
        form = std::make_unique<CTestForm>();
        form->window.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form->window));
        ASSERT_TRUE(form->UpdateData(FALSE));
        m_messages.clear();
        m_captions.clear();

        form->Type(kName, "new");
        form->controls.GetItem<QCheckBox>(kFlag)->setChecked(true);
        form->Type(kTime, c.szTime);
        form->Type(kScale, c.szScale);
        form->Type(kPath, "other.wav");
        form->Edit(kName)->setFocus();

        EXPECT_FALSE(form->UpdateData(TRUE)) << c.szTime << " / " << c.szScale;
        EXPECT_EQ(m_messages, QStringList{c.szMessage});
        EXPECT_EQ(m_captions, QStringList{"Vadel"});
        EXPECT_EQ(m_pLastParent, &form->window);
        QLineEdit* pOffending = form->Edit(c.nFocus);
        EXPECT_EQ(QApplication::focusWidget(), pOffending) << c.szTime << " / " << c.szScale;
        EXPECT_EQ(pOffending->selectedText(), pOffending->text());

        EXPECT_EQ(form->m_strName, "new");
        EXPECT_EQ(form->m_bFlag, TRUE);
        EXPECT_EQ(form->m_nTime, c.nTimeAfter);
        EXPECT_DOUBLE_EQ(form->m_dScale, c.dScaleAfter);
        EXPECT_EQ(form->m_strPath, "data.wav");
    }
}

TEST_F(DataExchange, ControlIsAttachedOnceAndDrivesTheBar)
{
    CProgressCtrl& progress = form->m_Progress;
    QProgressBar* pBar = form->controls.GetItem<QProgressBar>(kBar);
    ASSERT_EQ(progress.GetSafeWidget(), pBar);
    EXPECT_FALSE(pBar->isTextVisible());

    progress.SetRange32(0, 1220);
    EXPECT_EQ(progress.SetPos(610), 0);
    EXPECT_EQ(pBar->value(), 610);
    EXPECT_EQ(progress.SetPos(5000), 610);  // clamped, not ignored
    EXPECT_EQ(progress.GetPos(), 1220);
    int nLower = -1, nUpper = -1;
    progress.GetRange(nLower, nUpper);
    EXPECT_EQ(nLower, 0);
    EXPECT_EQ(nUpper, 1220);

    // A later exchange keeps the attachment even if the control set changes.
    QProgressBar other;
    progress.Attach(&other);
    ASSERT_TRUE(form->UpdateData(TRUE));
    EXPECT_EQ(progress.GetSafeWidget(), &other);

    CProgressCtrl detached;
    EXPECT_EQ(detached.SetPos(3), 0);
    EXPECT_EQ(detached.GetPos(), 0);
}

TEST_F(DataExchange, MissingControlLeavesTheMemberAlone)
{
    CFormControls none;
    QString str = "kept";
    int n = 7;
    CDataExchange dx(none, TRUE, nullptr);
    EXPECT_TRUE(ExecuteDataExchange(dx, [&](CDataExchange* pDX) {
        DDX_Text(pDX, 4711, str);
        DDX_Text(pDX, 4712, n);
    }));
    EXPECT_EQ(str, "kept");
    EXPECT_EQ(n, 7);
}

}  // namespace
