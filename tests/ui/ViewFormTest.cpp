// The main form without a recording: first appearance, the time check, "Go", the test
// capture's plot, "Browse", "Sensor setup" and when the settings reach the store.
#include "ViewFixture.h"

#include "acquisition/CSettingsStore.h"

#include <QImage>
#include <QMainWindow>
#include <QMenuBar>
#include <QScrollBar>
#include <QStatusBar>
#include <QTemporaryDir>

#include <cstring>

using namespace viewtest;

namespace {

// Pixels of exactly that colour inside the plot area.
int CountColour(const QImage& image, QRgb colour)
{
    int n = 0;
    for (int y = 66; y < image.height() - 4; ++y)
        for (int x = 126; x < image.width() - 4; ++x)
            n += (image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF) ? 1 : 0;
    return n;
}

}  // namespace

TEST_F(ViewTest, FirstAppearance)
{
    OpenView();
    for (int nId : {res::IDC_BOARD_TEMP, res::IDC_SENSOR1, res::IDC_SENSOR2})
        EXPECT_TRUE(Edit(nId)->text().isEmpty()) << nId;
    for (int nId = res::IDC_MIC6; nId <= res::IDC_MIC1; ++nId)
        EXPECT_TRUE(Check(nId)->isChecked()) << nId;
    EXPECT_FALSE(Check(res::IDC_BUZZER)->isChecked());
    EXPECT_EQ(Edit(res::IDC_TIME)->text(), "1");
    EXPECT_EQ(Edit(res::IDC_OUTPUT_FILE)->text(), "data.wav");
    EXPECT_EQ(Bar()->value(), 0);
    EXPECT_TRUE(Bar()->ElapsedText().isEmpty());
    EXPECT_TRUE(FormIsIdle());
    EXPECT_TRUE(Item(res::IDC_BROWSE)->isEnabled());
    EXPECT_NE(m_pView->GetUpdateTimerId(), 0);
    EXPECT_TRUE(m_boxes.empty());

    // A new document runs the initial update again: the members back on the form.
    Type(res::IDC_TIME, "77");
    m_pView->OnInitialUpdate();
    EXPECT_EQ(Edit(res::IDC_TIME)->text(), "1");
    EXPECT_NE(m_pView->GetUpdateTimerId(), 0);
}

// The initial update runs before the frame is first shown: a larger frame shrinks to the
// form then (the size it comes back to when no longer maximised); a smaller one never grows.
TEST_F(ViewTest, InitialUpdateShrinksTheHiddenFrameToTheForm)
{
    const QSize form = CFormBuilder::DialogSize(*res::FindDialogTemplate(res::IDD_VADEL_FORM));
    for (const QSize start : {QSize(1300, 1000), QSize(500, 1000)}) {
        SCOPED_TRACE(start.width());
        QMainWindow frame;
        frame.menuBar()->addMenu(QStringLiteral("&File"));
        frame.statusBar()->showMessage(QStringLiteral("Ready"));
        auto* pView = new CVadelView;
        frame.setCentralWidget(pView);
        frame.resize(start);
        pView->OnInitialUpdate();
        frame.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
        EXPECT_LT(frame.height(), start.height());
        EXPECT_FALSE(pView->verticalScrollBar()->isVisible()) << "the whole height shows";
        if (start.width() > form.width()) {
            EXPECT_EQ(pView->viewport()->size(), form);
        } else {
            EXPECT_EQ(frame.width(), start.width()) << "shrink only";
            EXPECT_TRUE(pView->horizontalScrollBar()->isVisible());
        }
    }
}

TEST_F(ViewTest, StartChecksTheTimeField)
{
    struct Case {
        const char* pszTime;
        const char* pszMessage;
    };
    const Case cases[] = {
        {"0", "Please enter an integer between 1 and 1500."},
        {"1501", "Please enter an integer between 1 and 1500."},
        {"abc", "Please enter an integer."},
    };
    OpenView();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    Type(res::IDC_OUTPUT_FILE, dir.filePath(QStringLiteral("long.wav")));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszTime);
        m_boxes.clear();
        Item(res::IDC_GO)->setFocus();
        Type(res::IDC_TIME, c.pszTime);
        Click(res::IDC_START);
        ASSERT_EQ(BoxTexts(), QStringList{c.pszMessage});
        EXPECT_EQ(m_boxes[0].strCaption, "Vadel");
        EXPECT_EQ(QApplication::focusWidget(), Item(res::IDC_TIME));
        EXPECT_FALSE(Acq().IsRunActive());
        EXPECT_TRUE(FormIsIdle());
    }
    EXPECT_EQ(sim::Box().StreamsStarted(), 0);

    m_boxes.clear();
    HoldRunAt(1);
    Type(res::IDC_TIME, "1500");
    Click(res::IDC_START);
    EXPECT_TRUE(m_boxes.empty());
    EXPECT_EQ(Acq().m_nTime, 1500);
    ASSERT_TRUE(Acq().IsRunActive());
    ASSERT_TRUE(m_gate.WaitReached());
    Click(res::IDC_STOP);
    ASSERT_TRUE(WaitForIdle());
    EXPECT_TRUE(Acq().LastRun().bCompleted);
    EXPECT_EQ(Acq().LastRun().nPlannedBlocks, 183104);
}

TEST_F(ViewTest, GoFillsTheSensorFieldsAndRefreshesTheForm)
{
    OpenView();
    Check(res::IDC_MIC1)->setChecked(false);  // never confirmed by "Test ADC data" or "Start"
    Click(res::IDC_GO);
    EXPECT_TRUE(m_boxes.empty());
    EXPECT_EQ(Edit(res::IDC_BOARD_TEMP)->text(), "25.0 C");
    // The box's 12 mA and 8 mA with the default scaling (4 mA -> 0, 20 mA -> 1).
    EXPECT_EQ(Edit(res::IDC_SENSOR1)->text(), "0.5 bar");
    EXPECT_EQ(Edit(res::IDC_SENSOR2)->text(), "0.3 C");
    EXPECT_TRUE(Check(res::IDC_MIC1)->isChecked()) << "members -> controls refreshes every field";

    ConfigureBox("absent");
    Click(res::IDC_GO);
    EXPECT_EQ(BoxTexts(), QStringList{"Can't open communication ports"});
    EXPECT_EQ(m_boxes[0].pParent, m_pView.get());
    EXPECT_EQ(Edit(res::IDC_SENSOR1)->text(), "0.5 bar");
}

TEST_F(ViewTest, TestCaptureDrawsOneCurvePerMicrophoneInTheTableColours)
{
    OpenView();
    auto render = [this] { return m_pView->grab().toImage(); };
    const QImage empty = render();
    EXPECT_EQ(QColor(empty.pixel(125, 100)), QColor(Qt::black)) << "framed at x = 125";
    EXPECT_EQ(QColor(empty.pixel(300, 65)), QColor(Qt::black)) << "framed at y = 65";
    EXPECT_NE(QColor(empty.pixel(300, 64)), QColor(Qt::black));
    EXPECT_EQ(QColor(empty.pixel(200, 200)), QColor(Qt::white));
    EXPECT_EQ(CountColour(empty, qRgb(255, 0, 0)), 0);

    SelectMics({2});
    Click(res::IDC_TEST_ADC);
    ASSERT_TRUE(m_boxes.empty());
    ASSERT_EQ(Acq().m_nChannels, 1);
    const QImage one = render();
    EXPECT_GT(CountColour(one, qRgb(255, 0, 0)), 200);

    SelectMics({1, 4});
    Click(res::IDC_TEST_ADC);
    ASSERT_EQ(Acq().m_nChannels, 2);
    const QImage two = render();
    EXPECT_GT(CountColour(two, qRgb(255, 0, 0)), 200);
    // The second curve is black: beyond the frame, ticks and labels both images share.
    EXPECT_GT(CountColour(two, qRgb(0, 0, 0)), CountColour(one, qRgb(0, 0, 0)) + 200);
    EXPECT_EQ(CountColour(two, qRgb(0, 0, 255)), 0) << "no third curve";

    // The plot grows with the window.
    m_pView->resize(1400, 900);
    QTest::qWait(0);
    const QImage wide = render();
    EXPECT_EQ(QColor(wide.pixel(wide.width() - 4, 300)), QColor(Qt::black)) << "right edge 3 px in";
}

TEST_F(ViewTest, BrowseConfirmedAndCancelled)
{
    OpenView();
    m_strSaveAnswer = QStringLiteral("/data/runs/take1.wav");
    Check(res::IDC_BUZZER)->setChecked(true);  // unconfirmed: undone by the refresh
    Click(res::IDC_BROWSE);
    ASSERT_EQ(m_nSaveDialogs, 1);
    EXPECT_EQ(m_saveParams.strFilter, "WAV files (*.wav) |*.wav| All files (*.*) |*.*||");
    EXPECT_EQ(m_saveParams.strDefExt, ".wav");
    EXPECT_TRUE(m_saveParams.strFileName.isEmpty());
    EXPECT_TRUE(m_saveParams.bOverwritePrompt);
    EXPECT_EQ(Acq().m_strOutputFile, "/data/runs/take1.wav");
    EXPECT_EQ(Edit(res::IDC_OUTPUT_FILE)->text(), "/data/runs/take1.wav");
    EXPECT_FALSE(Check(res::IDC_BUZZER)->isChecked());

    m_strSaveAnswer.clear();
    Type(res::IDC_OUTPUT_FILE, "typed.wav");
    Check(res::IDC_BUZZER)->setChecked(true);
    Click(res::IDC_BROWSE);
    EXPECT_EQ(m_nSaveDialogs, 2);
    EXPECT_EQ(Acq().m_strOutputFile, "/data/runs/take1.wav");
    EXPECT_EQ(Edit(res::IDC_OUTPUT_FILE)->text(), "typed.wav");
    EXPECT_TRUE(Check(res::IDC_BUZZER)->isChecked());
}

TEST_F(ViewTest, SensorSetupCopiesBackOnlyOnOk)
{
    OpenView();
    QStringList shown;
    auto edit = [](CDialog& dlg, int nId) { return qobject_cast<QLineEdit*>(dlg.GetDlgItem(nId)); };
    m_dialogScript = [&](CDialog& dlg) {
        shown.clear();
        for (int nId = 1017; nId <= 1026; ++nId)
            shown << edit(dlg, nId)->text();
        edit(dlg, res::IDC_SENSOR1_20MA)->setText("10");
        edit(dlg, res::IDC_SENSOR2_4MA)->setText("-50");
        edit(dlg, res::IDC_SIGNAL_NAME1 + 2)->setText("");
        QTest::mouseClick(dlg.GetDlgItem(res::IDCANCEL), Qt::LeftButton);
    };
    Click(res::IDC_SENSOR_SETUP);
    EXPECT_EQ(shown, (QStringList{"0", "1", "0", "1", "Mic1", "Mic2", "Mic3", "Mic4", "Mic5", "Mic6"}));
    EXPECT_EQ(Acq().m_dSensor1At20mA, 1.0);
    EXPECT_EQ(Acq().m_dSensor2At4mA, 0.0);
    EXPECT_EQ(Acq().m_strSignalName[2], "Mic3");

    m_dialogScript = [&](CDialog& dlg) {
        edit(dlg, res::IDC_SENSOR1_20MA)->setText("10");
        edit(dlg, res::IDC_SENSOR2_4MA)->setText("-50");
        edit(dlg, res::IDC_SIGNAL_NAME1 + 2)->setText("");
        QTest::mouseClick(dlg.GetDlgItem(res::IDOK), Qt::LeftButton);
    };
    Click(res::IDC_SENSOR_SETUP);
    EXPECT_EQ(Acq().m_dSensor1At20mA, 10.0);
    EXPECT_EQ(Acq().m_dSensor2At4mA, -50.0);
    EXPECT_EQ(Acq().m_dSensor1At4mA, 0.0);
    EXPECT_TRUE(Acq().m_strSignalName[2].isEmpty());
    EXPECT_EQ(Acq().m_strSignalName[3], "Mic4");

    // The next readout uses the new scaling at once: 12 mA is half way to 10.
    Click(res::IDC_GO);
    EXPECT_EQ(Edit(res::IDC_SENSOR1)->text(), "5.0 bar");
}

TEST_F(ViewTest, SettingsReachTheStoreWhenTheViewGoes)
{
    QSettings store(QStringLiteral("Tirbo"), QStringLiteral("Vadel"));
    const QString strEntry = QStringLiteral("Scaling/Sensor1 20mA");
    OpenView();
    m_dialogScript = [](CDialog& dlg) {
        qobject_cast<QLineEdit*>(dlg.GetDlgItem(res::IDC_SENSOR1_20MA))->setText("2.5");
        qobject_cast<QLineEdit*>(dlg.GetDlgItem(res::IDC_SIGNAL_NAME1))->setText("Front");
        QTest::mouseClick(dlg.GetDlgItem(res::IDOK), Qt::LeftButton);
    };
    Click(res::IDC_SENSOR_SETUP);
    ASSERT_EQ(Acq().m_dSensor1At20mA, 2.5);
    store.sync();
    EXPECT_FALSE(store.contains(strEntry)) << "nothing is written before the window closes";

    m_pView.reset();
    store.sync();
    ASSERT_TRUE(store.contains(strEntry));
    const QByteArray bytes = store.value(strEntry).toByteArray();
    ASSERT_EQ(bytes.size(), 8);
    double d = 0.0;
    std::memcpy(&d, bytes.constData(), 8);  // little-endian host
    EXPECT_EQ(d, 2.5);
    EXPECT_EQ(store.value(QStringLiteral("Signal names/Mic1")).toString(), "Front");
    EXPECT_EQ(store.value(QStringLiteral("Signal names/Mic6")).toString(), "Mic6");

    // The next start reads them back.
    OpenView();
    EXPECT_EQ(Acq().m_dSensor1At20mA, 2.5);
    EXPECT_EQ(Acq().m_strSignalName[0], "Front");
    EXPECT_EQ(Acq().m_dSensor1At4mA, 0.0);
}
