// Recording from the main form: the form locked during a run, the live status on the
// timer, "Stop", the return to idle, failures reported on the window's thread, and a run
// cut short by closing the window.
#include "ViewFixture.h"

#include <QByteArray>
#include <QTemporaryDir>
#include <QtEndian>

using namespace viewtest;

namespace {

struct WAVCHECK {
    bool bValid = false;
    int nChannels = 0;
    int nRate = 0;
    qint64 nFrames = 0;
    QString strWhy;
};

// A finished recording: sizes in the header agree with the samples on disk, and the six
// signal names follow the samples.
WAVCHECK CheckRecording(const QString& strPath, const QStringList& names)
{
    WAVCHECK c;
    QFile file(strPath);
    if (!file.open(QIODevice::ReadOnly)) {
        c.strWhy = "cannot open";
        return c;
    }
    const QByteArray bytes = file.readAll();
    if (bytes.size() < 44 || !bytes.startsWith("RIFF") || bytes.mid(8, 8) != "WAVEfmt " || bytes.mid(36, 4) != "data") {
        c.strWhy = "no header";
        return c;
    }
    auto u32 = [&](int n) { return qFromLittleEndian<quint32>(bytes.constData() + n); };
    auto u16 = [&](int n) { return qFromLittleEndian<quint16>(bytes.constData() + n); };
    const qint64 nData = u32(40);
    c.nChannels = u16(22);
    c.nRate = static_cast<int>(u32(24));
    QByteArray trailer;
    for (const QString& strName : names)
        trailer += strName.toLatin1() + '\0';
    if (u32(4) != 36 + nData || c.nChannels == 0 || nData % (2 * c.nChannels) != 0) {
        c.strWhy = "inconsistent sizes";
        return c;
    }
    if (bytes.size() != 44 + nData + trailer.size() || !bytes.endsWith(trailer)) {
        c.strWhy = QStringLiteral("file of %1 bytes for %2 data bytes").arg(bytes.size()).arg(nData);
        return c;
    }
    c.nFrames = nData / (2 * c.nChannels);
    c.bValid = true;
    return c;
}

const QStringList kDefaultNames{"Mic1", "Mic2", "Mic3", "Mic4", "Mic5", "Mic6"};

}  // namespace

class ViewRecording : public ViewTest {
protected:
    void SetUp() override
    {
        ViewTest::SetUp();
        ASSERT_TRUE(m_dir.isValid());
    }
    QString Path(const char* pszName) const { return m_dir.filePath(QString::fromLatin1(pszName)); }

    QTemporaryDir m_dir;
};

TEST_F(ViewRecording, StartLocksTheFormTimerShowsStatusStopFinishesTheFile)
{
    OpenView();
    SelectMics({1, 3});
    Type(res::IDC_TIME, "10");
    Type(res::IDC_OUTPUT_FILE, Path("ten.wav"));
    HoldRunAt(610);  // half of the 1220 blocks of 10 s
    Click(res::IDC_START);
    ASSERT_TRUE(Acq().IsRunActive());
    EXPECT_FALSE(Item(res::IDC_GO)->isEnabled());
    EXPECT_FALSE(Item(res::IDC_TEST_ADC)->isEnabled());
    EXPECT_FALSE(Item(res::IDC_START)->isEnabled());
    EXPECT_FALSE(Item(res::IDC_SENSOR_SETUP)->isEnabled());
    EXPECT_TRUE(Item(res::IDC_STOP)->isEnabled());
    EXPECT_TRUE(Item(res::IDC_BROWSE)->isEnabled());
    EXPECT_EQ(Bar()->maximum(), 1220);

    ASSERT_TRUE(m_gate.WaitReached());
    // The update timer itself, not a direct call, moves the bar.
    ASSERT_TRUE(QTest::qWaitFor([this] { return Bar()->value() == 610; }, 2000));
    EXPECT_EQ(Bar()->ElapsedText(), "0:05");
    EXPECT_EQ(Edit(res::IDC_SENSOR1)->text(), "0.5 bar");
    EXPECT_EQ(Edit(res::IDC_SENSOR2)->text(), "0.3 C");
    // The text is painted on the bar itself (near-black; the bar has no such colour).
    const QImage bar = Bar()->grab().toImage();
    int nDark = 0;
    for (int y = 0; y < bar.height(); ++y)
        for (int x = 0; x < bar.width(); ++x) {
            const QColor c = bar.pixelColor(x, y);
            nDark += c.red() < 60 && c.green() < 60 && c.blue() < 60 ? 1 : 0;
        }
    EXPECT_GT(nDark, 10);

    Click(res::IDC_STOP);
    EXPECT_FALSE(Item(res::IDC_STOP)->isEnabled());
    ASSERT_TRUE(WaitForIdle());
    EXPECT_TRUE(FormIsIdle());
    EXPECT_EQ(Bar()->value(), 0);
    EXPECT_TRUE(Bar()->ElapsedText().isEmpty());
    EXPECT_EQ(Edit(res::IDC_SENSOR1)->text(), "0.5 bar") << "the last texts stay";
    EXPECT_TRUE(m_boxes.empty()) << BoxTexts().join('|').toStdString();

    const RUNRESULT& run = Acq().LastRun();
    EXPECT_TRUE(run.bCompleted);
    EXPECT_EQ(run.nBlocks, 611) << "the block being read when Stop came is kept";
    const WAVCHECK wav = CheckRecording(Path("ten.wav"), kDefaultNames);
    ASSERT_TRUE(wav.bValid) << wav.strWhy.toStdString();
    EXPECT_EQ(wav.nChannels, 2);
    EXPECT_EQ(wav.nRate, 31250);
    EXPECT_EQ(wav.nFrames, 611 * 256);
    EXPECT_EQ(Acq().m_nChannelMask, 40);
}

TEST_F(ViewRecording, RunToTheEndLeavesStopDisabledAndTheNextRunWhole)
{
    OpenView();
    SelectMics({6});
    for (const char* pszName : {"first.wav", "second.wav"}) {
        SCOPED_TRACE(pszName);
        Type(res::IDC_OUTPUT_FILE, Path(pszName));
        Click(res::IDC_START);
        ASSERT_TRUE(WaitForIdle());
        // Enabled, "Stop" would raise a flag that cuts the next run to one block.
        EXPECT_TRUE(FormIsIdle());
        EXPECT_TRUE(m_boxes.empty());
        const WAVCHECK wav = CheckRecording(Path(pszName), kDefaultNames);
        ASSERT_TRUE(wav.bValid) << wav.strWhy.toStdString();
        EXPECT_EQ(wav.nFrames, 122 * 256);
    }
}

TEST_F(ViewRecording, ElapsedTextLeavesTheBarWithARunEndedAtItsFirstBlock)
{
    OpenView();
    Type(res::IDC_OUTPUT_FILE, Path("short.wav"));
    HoldRunAt(0);
    Click(res::IDC_START);
    ASSERT_TRUE(m_gate.WaitReached());
    m_pView->OnTimer();
    ASSERT_EQ(Bar()->ElapsedText(), "0:00");
    // The position stays 0 at the end, so the bar is not repainted by moving it.
    Click(res::IDC_STOP);
    ASSERT_TRUE(WaitForIdle());
    EXPECT_EQ(Bar()->value(), 0);
    EXPECT_TRUE(Bar()->ElapsedText().isEmpty());
}

TEST_F(ViewRecording, FailuresOfTheRecordingThreadAreShownOnTheWindowsThread)
{
    OpenView();
    ConfigureBox("absent");
    Type(res::IDC_OUTPUT_FILE, Path("never.wav"));
    Click(res::IDC_START);
    ASSERT_TRUE(WaitForIdle());
    ASSERT_EQ(BoxTexts(), QStringList{"Can't open communication ports"});
    EXPECT_TRUE(m_boxes[0].bGuiThread);
    EXPECT_EQ(m_boxes[0].strCaption, "Vadel");
    EXPECT_EQ(m_boxes[0].pParent, m_pView.get());
    EXPECT_TRUE(FormIsIdle());
    EXPECT_FALSE(QFile::exists(Path("never.wav")));

    m_boxes.clear();
    Type(res::IDC_OUTPUT_FILE, "");
    Click(res::IDC_START);
    EXPECT_EQ(BoxTexts(), QStringList{"No output file specified"});
    EXPECT_FALSE(Acq().IsRunActive());
}

TEST_F(ViewRecording, ClosingDuringARunFinishesTheFileFirst)
{
    OpenView();
    SelectMics({2, 5});
    Type(res::IDC_TIME, "1500");
    Type(res::IDC_OUTPUT_FILE, Path("closed.wav"));
    HoldRunAt(5);
    Click(res::IDC_START);
    ASSERT_TRUE(m_gate.WaitReached());

    // What the main window does when it closes: the view's shut-down, then its destruction.
    m_pView->Shutdown();
    EXPECT_FALSE(Acq().IsRunActive());
    EXPECT_TRUE(FormIsIdle());
    m_pView.reset();
    EXPECT_TRUE(m_boxes.empty());
    const WAVCHECK wav = CheckRecording(Path("closed.wav"), kDefaultNames);
    ASSERT_TRUE(wav.bValid) << wav.strWhy.toStdString();
    EXPECT_EQ(wav.nFrames, 6 * 256);
    EXPECT_FALSE(sim::Box().IsStreaming());

    // Destroyed without the shut-down call, the view still ends the run itself.
    OpenView();
    SelectMics({3});
    Type(res::IDC_TIME, "1500");
    Type(res::IDC_OUTPUT_FILE, Path("destroyed.wav"));
    m_gate.Release();
    CBlockGate gate;
    gate.Arm(3, &Acq().m_bStop);
    Acq().SetBlockObserver([&gate](int nBlock) { gate.OnBlock(nBlock); });
    Click(res::IDC_START);
    ASSERT_TRUE(gate.WaitReached());
    m_pView.reset();
    const WAVCHECK wav2 = CheckRecording(Path("destroyed.wav"), kDefaultNames);
    ASSERT_TRUE(wav2.bValid) << wav2.strWhy.toStdString();
    EXPECT_EQ(wav2.nFrames, 4 * 256);
}
