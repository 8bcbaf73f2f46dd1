#include "tools/cli/CliCommand.h"
#include "tests/wavefile/RecordingWriter.h"
#include "tests/wavefile/TestFiles.h"

#include <gtest/gtest.h>

#include <QProcess>

using namespace testfiles;

namespace {

struct CliResult {
    int nExit = -1;
    QString strOut;
    QString strErr;
};

CliResult RunInProcess(const QStringList& args)
{
    CliResult r;
    QTextStream out(&r.strOut);
    QTextStream err(&r.strErr);
    r.nExit = cli::Run(QStringList{"vadel-cli"} + args, out, err);
    out.flush();
    err.flush();
    return r;
}

CliResult RunProgram(const QStringList& args)
{
    QProcess process;
    process.start(QStringLiteral(VADEL_CLI_PATH), args);
    CliResult r;
    if (!process.waitForFinished(30000))
        return r;
    r.nExit = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    r.strOut = QString::fromUtf8(process.readAllStandardOutput());
    r.strErr = QString::fromUtf8(process.readAllStandardError());
    return r;
}

QString Q(const std::string& str)
{
    return QString::fromStdString(str);
}

}  // namespace

TEST(InfoCommandTest, DescribesFilesTheRecordingFileWrites)
{
    TempDir dir;
    struct Case {
        const char* pszName;
        std::function<void(const std::string&)> write;
        QStringList expectedOut;
        QStringList expectedWarnings;
    } cases[] = {
        {"two channels stopped after one block",
         [](const std::string& p) { WriteRecording(p, 2, 1220, 1); },
         {"Length:          1098 bytes", "RIFF:            \"RIFF\", size 1060, form \"WAVE\"",
          "Channels:        2", "Sample rate:     31250 frames/s", "Byte rate:       125000",
          "Data chunk:      \"data\", size 1024 bytes", "Frames:          256",
          "Duration:        0.008192 s", "  1: \"Mic1\"\n", "  6: \"Mic6\"\n",
          "Extension chunks: none"},
         {}},
        {"six empty names",
         [](const std::string& p) { WriteRecording(p, 6, 2, 2, SignalNames{}); },
         {"Frames:          512", "  1: \"\"\n  2: \"\"\n  3: \"\"\n  4: \"\"\n  5: \"\"\n  6: \"\"\n"},
         {}},
        {"first name begins with a chunk identifier",
         [](const std::string& p) {
             WriteRecording(p, 1, 1, 1, SignalNames{"LIST of probes", "b", "", "", "", "f"});
         },
         {"  1: \"LIST of probes\""},
         {"begins with the RIFF chunk identifier \"LIST\""}},
        {"run ended by an exception: planned header, fewer samples",
         [](const std::string& p) {
             CWaveFile w;
             w.Open(p);
             w.SetFormat(2, 31250, 16, 1220 * 256);
             w.WriteHeader();
             w.SeekData(0);
             const Bytes block(1024, 1);
             w.Write(block.data(), 1024);
         },
         {"Frames:          312320", "Signal names:    none"},
         {"the file is only 1068 bytes long: the recording was cut short"}},
        {"extension chunks after the samples",
         [](const std::string& p) {
             CWaveFile w;
             w.Open(p);
             w.SetFormat(1, 31250, 16, 256);
             w.WriteHeader();
             w.SeekData(0);
             const Bytes block(512, 1);
             w.Write(block.data(), 512);
             w.WriteChannelChunk(1, 0.5, 2, -3, 4, 5, "left \"ear\"");
             w.WriteMarkChunk(7, 8, "odd");
             const int values[2] = {42, 43};
             w.WriteUserMarkChunk(2, 9, values, "user");
         },
         {"\"chn \" ending at byte 610: integer 1 = 1, reals = 0.5, 2, -3, integer 2 = 4, "
          "integer 3 = 5, name \"left \\\"ear\\\"\"",
          "\"mark\" ending at byte 629: integer 1 = 7, integer 2 = 8, text \"odd\"",
          "2 value(s), integer 1 = 9, first value = 42, text \"user\"",
          "Signal names:    none (extension chunks follow the data)"},
         {}},
        {"RIFF size disagreeing with the data size",
         [](const std::string& p) {
             WriteRecording(p, 1, 1, 1);
             Bytes b = ReadAll(p);
             b[4] = 0;
             WriteAll(p, b);
         },
         {"Frames:          256"},
         {"does not match the data size 512 (expected 548)"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszName);
        const std::string strPath = dir.File("info.wav");
        c.write(strPath);
        const CliResult r = RunInProcess({"info", Q(strPath)});
        EXPECT_EQ(r.nExit, 0) << r.strErr.toStdString();
        for (const QString& str : c.expectedOut)
            EXPECT_TRUE(r.strOut.contains(str)) << str.toStdString() << "\n" << r.strOut.toStdString();
        for (const QString& str : c.expectedWarnings)
            EXPECT_TRUE(r.strErr.contains(str)) << str.toStdString() << "\n" << r.strErr.toStdString();
        if (c.expectedWarnings.isEmpty()) {
            EXPECT_EQ(r.strErr.toStdString(), "");
        }
    }
}

TEST(InfoCommandTest, RefusesWhatItCannotRead)
{
    TempDir dir;
    WriteAll(dir.File("text.wav"), Bytes(100, 'a'));
    WriteAll(dir.File("short.wav"), Bytes{'R', 'I', 'F', 'F', 0, 0});
    struct Case {
        std::string strPath;
        QString strMessage;
    } cases[] = {
        {dir.File("text.wav"), "is not a WAV file: it does not begin with \"RIFF\" and \"WAVE\""},
        {dir.File("short.wav"), "is not a WAV file: 6 bytes are fewer than the 44 bytes"},
        {dir.File("missing.wav"), "was not found"},
        {dir.File(""), "Is a directory"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.strPath);
        const CliResult r = RunInProcess({"info", Q(c.strPath)});
        EXPECT_EQ(r.nExit, 1);
        EXPECT_TRUE(r.strErr.contains(c.strMessage)) << r.strErr.toStdString();
        EXPECT_EQ(r.strOut.toStdString(), "");
    }
}

TEST(InfoCommandTest, FileBeingRecordedIsReportedAsInUse)
{
    TempDir dir;
    CWaveFile recording;
    ASSERT_TRUE(recording.Open(dir.File("busy.wav")));
    recording.WriteHeader();
    const CliResult r = RunInProcess({"info", Q(dir.File("busy.wav"))});
    EXPECT_EQ(r.nExit, 1);
    EXPECT_TRUE(r.strErr.contains("in use by another program")) << r.strErr.toStdString();
}

TEST(InfoCommandTest, ProgramEndToEnd)
{
    TempDir dir;
    const std::string strPath = dir.File("r.wav");
    WriteRecording(strPath, 3, 4, 4);
    WriteAll(dir.File("not.wav"), Bytes(64, 0));
    struct Case {
        QStringList args;
        int nExit;
        QString strOut;
        QString strErr;
    } cases[] = {
        {{"info", Q(strPath)}, 0, "Frames:          1024\nDuration:        0.032768 s", ""},
        {{"info", Q(dir.File("not.wav"))}, 1, "", "is not a WAV file"},
        {{"info"}, 2, "", "no FILE given"},
        {{"info", "a", "b"}, 2, "", "one FILE only"},
        {{"info", "--frobnicate", Q(strPath)}, 2, "", "Unknown option 'frobnicate'"},
        {{}, 2, "", "no command given"},
        {{"record-everything"}, 2, "", "unknown command 'record-everything'"},
        {{"--help"}, 0, "  info ", ""},
        {{"info", "--help"}, 0, "Usage: vadel-cli info [options] FILE", ""},
        {{"--version"}, 0, "vadel-cli 1.", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const CliResult r = RunProgram(c.args);
        EXPECT_EQ(r.nExit, c.nExit);
        EXPECT_TRUE(r.strOut.contains(c.strOut)) << r.strOut.toStdString();
        EXPECT_TRUE(r.strErr.contains(c.strErr)) << r.strErr.toStdString();
        if (c.nExit == 0) {
            EXPECT_EQ(r.strErr.toStdString(), "");
        }
    }
}
