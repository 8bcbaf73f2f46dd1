#include "GuiTestApp.h"

#include "platform/forms/CFormBuilder.h"
#include "res/Resource.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

#include <set>

namespace {

class FormTemplate : public ::testing::Test {
protected:
    void SetUp() override
    {
        controls = CFormBuilder::Build(res::IDD_VADEL_FORM, &form);
        form.show();
    }
    QWidget form;
    CFormControls controls;
};

TEST(DialogUnits, ConvertWithTheDialogFontBaseUnits)
{
    EXPECT_EQ(DialogUnitsToPixelsX(4), 6);
    EXPECT_EQ(DialogUnitsToPixelsY(8), 13);
    EXPECT_EQ(DialogUnitsToPixelsX(125), 188);  // 187.5 rounds up
    EXPECT_EQ(DialogUnitsToPixelsY(65), 106);   // 105.625
    EXPECT_EQ(DialogUnitsToPixelsX(-3), -5);    // halves round away from zero
    // Edges are mapped, so a control ends where its neighbour starts.
    EXPECT_EQ(MapDialogRect(1, 1, 1, 1).right() + 1, MapDialogRect(2, 1, 1, 1).left());
}

TEST_F(FormTemplate, ControlsGetPixelGeometryFromTheTemplate)
{
    EXPECT_EQ(form.size(), QSize(777, 530));  // 518 x 326 units
    const struct {
        int nId;
        QRect rect;
    } cases[] = {
        {res::IDC_GO, QRect(18, 29, 90, 23)},
        {res::IDC_BROWSE, QRect(630, 29, 63, 23)},
        {res::IDC_OUTPUT_FILE, QRect(135, 29, 486, 23)},
        {res::IDC_PROGRESS, QRect(27, 380, 72, 25)},
        {res::IDC_MIC1, QRect(18, 166, 45, 16)},
        {res::IDC_SENSOR_SETUP, QRect(9, 468, 108, 23)},
    };
    for (const auto& c : cases) {
        QWidget* p = controls.GetDlgItem(c.nId);
        ASSERT_NE(p, nullptr) << c.nId;
        EXPECT_EQ(p->geometry(), c.rect) << c.nId;
    }
}

TEST_F(FormTemplate, KindsStylesAndStates)
{
    EXPECT_EQ(controls.GetItem<QPushButton>(res::IDC_GO)->text(), "Go");
    EXPECT_EQ(controls.GetItem<QCheckBox>(res::IDC_MIC6)->text(), "Mic6");
    EXPECT_EQ(controls.GetItem<QCheckBox>(res::IDC_MIC1)->text(), "Mic1");
    EXPECT_TRUE(controls.GetItem<QLineEdit>(res::IDC_TIME)->hasFrame());

    auto* pBar = controls.GetItem<QProgressBar>(res::IDC_PROGRESS);
    ASSERT_NE(pBar, nullptr);
    EXPECT_FALSE(pBar->isTextVisible());
    EXPECT_EQ(pBar->value(), 0);

    // Only "Stop" starts disabled.
    for (const auto& item : controls.Items())
        EXPECT_EQ(item.pWidget->isEnabled(), item.nId != res::IDC_STOP) << item.nId;

    // Statics and group boxes are built too, in template order.
    ASSERT_EQ(controls.Items().size(), 24u);
    EXPECT_EQ(qobject_cast<QGroupBox*>(controls.Items()[0].pWidget.data())->title(), "Get sensor data");
    EXPECT_EQ(qobject_cast<QLabel*>(controls.Items()[17].pWidget.data())->text(), "Time [s]");
}

TEST_F(FormTemplate, TabOrderIsTemplateOrder)
{
    const int expected[] = {1000, 1001, 1002, 1003, 1004, 1005, 1006, 1007, 1008, 1009,
                            1010, 1011, 1012, 1013, 1015, 1016, 1018, 1017};
    QWidget* pFirst = controls.GetDlgItem(res::IDC_GO);
    std::vector<int> order;
    QWidget* p = pFirst;
    do {
        if (p->focusPolicy() & Qt::TabFocus)
            order.push_back(p->objectName().mid(3).toInt());
        p = p->nextInFocusChain();
    } while (p != pFirst && order.size() < 40);
    EXPECT_EQ(order, std::vector<int>(std::begin(expected), std::end(expected)));
}

TEST_F(FormTemplate, PlotAreaIsClearAndFramesDoNotSwallowClicks)
{
    const QRect plot(QPoint(125, 65), form.rect().bottomRight());
    for (const auto& item : controls.Items())
        EXPECT_FALSE(item.pWidget->geometry().intersects(plot)) << item.nId;

    // "Stream to file" comes after "Start" in the template yet lies around it.
    for (int nId : {res::IDC_START, res::IDC_TIME, res::IDC_MIC1, res::IDC_BUZZER, res::IDC_GO}) {
        QWidget* p = controls.GetDlgItem(nId);
        EXPECT_EQ(form.childAt(p->geometry().center()), p) << nId;
    }
}

TEST(FormBuilder, PopupGetsCaptionSizeAndDefaultButton)
{
    QWidget dialog;
    const CFormControls controls = CFormBuilder::Build(res::IDD_SETUP, &dialog);
    EXPECT_EQ(dialog.windowTitle(), "Sensor setup");
    EXPECT_EQ(dialog.size(), QSize(279, 332));
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
    EXPECT_TRUE(controls.GetItem<QPushButton>(res::IDOK)->isDefault());
    EXPECT_FALSE(controls.GetItem<QPushButton>(res::IDCANCEL)->isDefault());
    // The setup dialog reuses numbers of the form; lookups are per built window.
    EXPECT_NE(controls.GetItem<QLineEdit>(1017), nullptr);
}

TEST(FormBuilder, CreateHookReplacesChosenItems)
{
    struct CLabelledBar : QProgressBar {
        using QProgressBar::QProgressBar;
    };
    QWidget form;
    QWidget* pMine = nullptr;
    const CFormControls controls =
        CFormBuilder::Build(res::IDD_VADEL_FORM, &form, [&](const res::DLGITEM& item, QWidget* pParent) {
            if (item.nId != res::IDC_PROGRESS)
                return static_cast<QWidget*>(nullptr);
            return pMine = new CLabelledBar(pParent);
        });
    ASSERT_NE(pMine, nullptr);
    EXPECT_EQ(controls.GetDlgItem(res::IDC_PROGRESS), pMine);
    EXPECT_EQ(pMine->geometry(), QRect(27, 380, 72, 25));
    EXPECT_NE(controls.GetItem<QPushButton>(res::IDC_GO), nullptr);
}

TEST(FormBuilder, UnknownTemplateBuildsNothing)
{
    QWidget w;
    EXPECT_TRUE(CFormBuilder::Build(4711, &w).IsEmpty());
    EXPECT_TRUE(w.children().isEmpty());
}

TEST(FormBuilder, ControlsGoneWithTheirWindowReadAsMissing)
{
    auto* pWindow = new QWidget;
    const CFormControls controls = CFormBuilder::Build(res::IDD_ABOUTBOX, pWindow);
    ASSERT_NE(controls.GetDlgItem(res::IDOK), nullptr);
    delete pWindow;
    EXPECT_EQ(controls.GetDlgItem(res::IDOK), nullptr);
}

}  // namespace
