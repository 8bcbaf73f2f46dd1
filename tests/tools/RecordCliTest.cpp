// vadel-cli's box commands driven end to end: the program against the simulated box, with
// an empty per-user settings location that it must not write.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>

#include <csignal>
#include <unistd.h>

namespace {

struct CliResult {
    int nExit = -1;
    QString strOut;
    QString strErr;
};

class BoxCli : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }

    void Start(QProcess& process, const QStringList& args) const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("VADEL_SIMULATE"));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_dir.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("HOME"), m_dir.path());
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(m_dir.path());
        process.start(QStringLiteral(VADEL_CLI_PATH), args);
    }

    CliResult Run(const QStringList& args) const
    {
        QProcess process;
        Start(process, args);
        return Finish(process);
    }

    static CliResult Finish(QProcess& process)
    {
        CliResult r;
        if (!process.waitForFinished(60000))
            return r;
        r.nExit = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        r.strOut = QString::fromUtf8(process.readAllStandardOutput());
        r.strErr = QString::fromUtf8(process.readAllStandardError());
        return r;
    }

    QByteArray Read(const QString& strName) const
    {
        QFile file(m_dir.filePath(strName));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static unsigned Le32(const QByteArray& bytes, int at)
    {
        unsigned v = 0;
        for (int i = 3; i >= 0; --i)
            v = v << 8 | static_cast<unsigned char>(bytes[at + i]);
        return v;
    }

    QTemporaryDir m_dir;
};

}  // namespace

TEST_F(BoxCli, RecordWritesTheFileAndSaysWhat)
{
    const CliResult r = Run({"--simulate=fast", "record", "--time", "1", "--mics", "1,2", "--output", "x.wav"});
    EXPECT_EQ(r.nExit, 0) << r.strErr.toStdString();
    EXPECT_EQ(r.strOut, "Recorded 31232 frames (122 blocks) to x.wav\n");
    const QByteArray bytes = Read("x.wav");
    ASSERT_EQ(bytes.size(), 44 + 31232 * 4 + 30);
    EXPECT_EQ(Le32(bytes, 40), 31232u * 4);
    EXPECT_TRUE(bytes.endsWith(QByteArray("Mic5\0Mic6\0", 10)));
    EXPECT_FALSE(QDir(m_dir.filePath("config")).exists()) << "the command line never writes the settings";
}

TEST_F(BoxCli, RecordChecksItsInputAsTheFormDoes)
{
    struct Case {
        QStringList args;
        int nExit;
        const char* pszErr;
    };
    const Case cases[] = {
        {{"--time", "abc"}, 2, "Please enter an integer.\n"},
        {{"--time", "1501"}, 2, "Please enter an integer between 1 and 1500.\n"},
        {{"--output", ""}, 1, "No output file specified\n"},
        {{"--mics", ""}, 1, "No microphone selected\n"},
        {{"--mics", "1,7"}, 2, nullptr},
        {{"surplus"}, 2, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const CliResult r = Run(QStringList{"--simulate=fast", "record"} + c.args);
        EXPECT_EQ(r.nExit, c.nExit);
        if (c.pszErr) {
            EXPECT_EQ(r.strErr, c.pszErr);
        }
        EXPECT_TRUE(r.strOut.isEmpty());
    }
    EXPECT_TRUE(Read("data.wav").isEmpty());
}

TEST_F(BoxCli, RecordFailuresKeepFilesSound)
{
    QFile precious(m_dir.filePath("keep.wav"));
    ASSERT_TRUE(precious.open(QIODevice::WriteOnly));
    precious.write("precious");
    precious.close();

    CliResult r = Run({"--simulate=absent", "record", "--output", "keep.wav"});
    EXPECT_EQ(r.nExit, 1);
    EXPECT_EQ(r.strErr, "Can't open communication ports\n");
    EXPECT_TRUE(r.strOut.isEmpty());
    EXPECT_EQ(Read("keep.wav"), "precious");

    r = Run({"--simulate=fast,stall=5", "record", "--mics", "6", "--output", "stall.wav"});
    EXPECT_EQ(r.nExit, 1);
    EXPECT_EQ(r.strErr, "Serial port exception\n");
    EXPECT_EQ(r.strOut, "Recorded 1280 frames (5 blocks) to stall.wav\n");
    EXPECT_EQ(Read("stall.wav").size(), 44 + 1280 * 2 + 30);
}

TEST_F(BoxCli, TerminationStopsTheRunAndFinishesTheFile)
{
    for (const int nSignal : {SIGTERM, SIGHUP}) {
        SCOPED_TRACE(nSignal);
        // A paced box: the run is a minute long, so the signal surely lands inside it.
        QProcess process;
        process.setChildProcessModifier([] { ::signal(SIGHUP, SIG_DFL); });  // as a login shell starts it
        const QString strName = QStringLiteral("long%1.wav").arg(nSignal);
        Start(process, {"--simulate", "record", "--time", "60", "--output", strName});
        ASSERT_TRUE(process.waitForStarted());
        const QString strPath = m_dir.filePath(strName);
        while (QFileInfo(strPath).size() <= 44 && process.state() == QProcess::Running)
            QThread::msleep(10);
        ::kill(static_cast<pid_t>(process.processId()), nSignal);
        const CliResult r = Finish(process);
        ASSERT_EQ(r.nExit, 0) << r.strErr.toStdString();
        const QRegularExpressionMatch m =
            QRegularExpression(QStringLiteral("^Recorded (\\d+) frames \\((\\d+) blocks\\) to %1\n$").arg(strName))
                .match(r.strOut);
        ASSERT_TRUE(m.hasMatch()) << r.strOut.toStdString();
        const long long nBlocks = m.captured(2).toLongLong();
        EXPECT_EQ(m.captured(1).toLongLong(), nBlocks * 256);
        EXPECT_GT(nBlocks, 0);
        EXPECT_LT(nBlocks, 7324);
        const QByteArray bytes = Read(strName);
        EXPECT_EQ(Le32(bytes, 40), nBlocks * 256 * 12);
        EXPECT_EQ(bytes.size(), 44 + nBlocks * 256 * 12 + 30);
    }
}

TEST_F(BoxCli, VanishedReaderOfTheProgressDoesNotCutTheFileShort)
{
    // stderr is a pipe whose reader is already gone, as when "| tee" ends with the same Ctrl+C.
    int fds[2];
    ASSERT_EQ(::pipe(fds), 0);
    ::close(fds[0]);
    const int nWriteEnd = fds[1];
    QProcess process;
    process.setChildProcessModifier([nWriteEnd] {
        ::dup2(nWriteEnd, STDERR_FILENO);
        ::signal(SIGPIPE, SIG_DFL);  // as a shell starts it, whatever this test process ignores
    });
    // Long enough that progress lines are written while the run goes on.
    Start(process, {"--simulate=fast", "record", "--time", "1500", "--mics", "1", "--output", "piped.wav"});
    const CliResult r = Finish(process);
    ::close(nWriteEnd);
    EXPECT_EQ(r.nExit, 0) << "-1: ended by a signal";
    EXPECT_EQ(r.strOut, "Recorded 46874624 frames (183104 blocks) to piped.wav\n");
    const QByteArray bytes = Read("piped.wav");
    ASSERT_EQ(bytes.size(), 44 + 46874624LL * 2 + 30);
    EXPECT_EQ(Le32(bytes, 40), 46874624u * 2);
}

TEST_F(BoxCli, ProgressWithoutATerminalIsALineEveryTenSeconds)
{
    const CliResult r = Run({"--simulate=fast", "record", "--time", "1500", "--mics", "1", "--output", "p.wav"});
    EXPECT_EQ(r.nExit, 0);
    const QStringList lines = r.strErr.split('\n', Qt::SkipEmptyParts);
    ASSERT_FALSE(lines.isEmpty());
    const QRegularExpression line(QStringLiteral("^\\d+:\\d\\d of 25:00  Sensor 1: 0\\.5 bar  Sensor 2: 0\\.3 C$"));
    for (const QString& strLine : lines)
        EXPECT_TRUE(line.match(strLine).hasMatch()) << strLine.toStdString();
}

TEST_F(BoxCli, SensorsAndCapturePrintTheirFigures)
{
    CliResult r = Run({"--simulate=fast", "sensors"});
    EXPECT_EQ(r.nExit, 0);
    EXPECT_EQ(r.strOut, "Board temperature: 25.0 C\nSensor 1: 0.5 bar\nSensor 2: 0.3 C\n");

    r = Run({"--simulate=fast,silent", "sensors"});
    EXPECT_EQ(r.nExit, 1);
    EXPECT_EQ(r.strErr, "Serial port exception\n");

    r = Run({"--simulate=fast", "capture", "--mics", "1,3", "--csv", "c.csv"});
    EXPECT_EQ(r.nExit, 0) << r.strErr.toStdString();
    EXPECT_EQ(r.strOut.count('\n'), 2);
    EXPECT_TRUE(r.strOut.startsWith("Channel 1: min -15999, max 15999, mean ")) << r.strOut.toStdString();
    const QList<QByteArray> lines = Read("c.csv").split('\n');
    ASSERT_EQ(lines.size(), 258);  // header, 256 rows, nothing after the last newline
    EXPECT_EQ(lines[0], "frame,channel 1,channel 2");
    EXPECT_EQ(lines[1], "0,0,0");

    r = Run({"record", "--help"});
    EXPECT_EQ(r.nExit, 0);
    EXPECT_TRUE(r.strOut.contains("--time <seconds>"));
}
