// Byte and block transfers: what each one sends and reads, and when it throws.
#include "instrument/CSerialPort.h"
#include "tests/instrument/fakes/ScriptedD2xx.h"
#include "tests/instrument/fakes/ScriptedSleep.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>

using namespace d2xx;
using Calls = std::vector<std::string>;

namespace {

class SerialPortTransferTest : public ::testing::Test {
protected:
    void Open(CSerialPort& port)
    {
        ASSERT_EQ(port.OpenByIndex(1, 6000000, 8), 0);
        m_fake.ClearCalls();
    }

    CScriptedD2xx m_fake;
    CScriptedSleep m_sleep{m_fake.m_calls};
};

TEST_F(SerialPortTransferTest, ThrowConditions)
{
    struct CASE {
        const char* pszName;
        bool bOpen;
        std::function<void(CScriptedD2xx&)> script;
        std::function<void(CSerialPort&)> act;
        std::optional<int> thrown;  // with exceptions on; nothing is ever thrown with them off
    };
    char answer = 0;
    char buffer[8] = {};
    const auto shortWrite = [](CScriptedD2xx& f) { f.m_nWriteAccept = 0; };
    const auto readError = [](CScriptedD2xx& f) {
        f.m_strRx = "abcdefgh";
        f.m_results["Read"] = FT_IO_ERROR;
    };
    const auto writeError = [](CScriptedD2xx& f) { f.m_results["Write"] = FT_IO_ERROR; };
    const auto silent = [](CScriptedD2xx&) {};
    const auto answering = [](CScriptedD2xx& f) { f.m_strRx = "abcdefgh"; };
    const CASE cases[] = {
        {"WriteByte writes nothing", true, shortWrite, [&](CSerialPort& p) { p.WriteByte('!', nullptr); }, 1},
        {"WriteByte status ignored when the byte went", true, writeError,
         [&](CSerialPort& p) { p.WriteByte('!', nullptr); }, std::nullopt},
        {"WriteByte answer missing", true, silent, [&](CSerialPort& p) { p.WriteByte('!', &answer); }, 2},
        {"WriteByte answer read fails", true, readError, [&](CSerialPort& p) { p.WriteByte('!', &answer); }, 2},
        {"WriteByte closed", false, silent, [&](CSerialPort& p) { p.WriteByte('!', nullptr); }, 3},
        {"ReadByte missing", true, silent, [&](CSerialPort& p) { p.ReadByte(); }, 2},
        {"ReadByte read fails", true, readError, [&](CSerialPort& p) { p.ReadByte(); }, 2},
        {"ReadByte closed", false, silent, [&](CSerialPort& p) { p.ReadByte(); }, 3},
        {"ReadBlock short", true, [](CScriptedD2xx& f) { f.m_strRx = "abc"; },
         [&](CSerialPort& p) { p.ReadBlock(buffer, 8); }, 2},
        {"ReadBlock read fails", true, readError, [&](CSerialPort& p) { p.ReadBlock(buffer, 8); }, 2},
        {"ReadBlock whole", true, answering, [&](CSerialPort& p) { p.ReadBlock(buffer, 8); }, std::nullopt},
        {"WriteBlock short", true, [](CScriptedD2xx& f) { f.m_nWriteAccept = 3; },
         [&](CSerialPort& p) { p.WriteBlock("12345", 5, nullptr); }, 1},
        {"WriteBlock status", true, writeError, [&](CSerialPort& p) { p.WriteBlock("12345", 5, nullptr); }, 1},
        {"WriteBlock bytewise answer missing", true, silent, [&](CSerialPort& p) { p.WriteBlock("12", 2, buffer); },
         2},
        {"WriteBytewise answer missing", true, silent, [&](CSerialPort& p) { p.WriteBytewise("12", 2, nullptr); }, 2},
        {"WriteString write fails", true, shortWrite, [&](CSerialPort& p) { p.WriteString("12", nullptr); }, 1},
        {"GetQueueStatus fails", true, [](CScriptedD2xx& f) { f.m_results["GetQueueStatus"] = FT_IO_ERROR; },
         [&](CSerialPort& p) { p.GetQueueStatus(); }, 4},
        {"ReadBlock closed", false, silent, [&](CSerialPort& p) { p.ReadBlock(buffer, 8); }, std::nullopt},
        {"WriteBlock closed", false, silent, [&](CSerialPort& p) { p.WriteBlock("12", 2, nullptr); }, std::nullopt},
        {"WriteBlock bytewise closed", false, silent, [&](CSerialPort& p) { p.WriteBlock("12", 2, buffer); },
         std::nullopt},
        {"WriteBytewise closed", false, silent, [&](CSerialPort& p) { p.WriteBytewise("12", 2, nullptr); },
         std::nullopt},
        {"WriteString closed", false, silent, [&](CSerialPort& p) { p.WriteString("12", nullptr); }, std::nullopt},
    };
    for (const CASE& c : cases) {
        for (const bool bExceptions : {true, false}) {
            SCOPED_TRACE(std::string(c.pszName) + (bExceptions ? " / exceptions on" : " / exceptions off"));
            m_fake.m_results.clear();
            m_fake.m_strRx.clear();
            m_fake.m_nWriteAccept = 0xFFFFFFFF;
            m_fake.ClearCalls();
            CSerialPort port(m_fake.Api());
            if (c.bOpen)
                Open(port);
            c.script(m_fake);
            if (bExceptions)
                port.EnableExceptions();
            std::optional<int> thrown;
            try {
                c.act(port);
            } catch (int nCode) {
                thrown = nCode;
            }
            EXPECT_EQ(thrown, bExceptions ? c.thrown : std::nullopt);
            EXPECT_EQ(port.IsOpen(), c.bOpen) << "a throw leaves the channel open";
            if (!c.bOpen) {
                EXPECT_TRUE(m_fake.m_calls.empty()) << "nothing reaches the driver on a closed channel";
            }
        }
    }
}

TEST_F(SerialPortTransferTest, ReadByteGivesTheByteOr255)
{
    CSerialPort port(m_fake.Api());
    EXPECT_EQ(port.ReadByte(), 255) << "closed";
    Open(port);
    m_fake.m_strRx = "\x07";
    EXPECT_EQ(port.ReadByte(), 7);
    EXPECT_EQ(port.ReadByte(), 255) << "timed out";
    m_fake.m_strRx = "\x07";
    m_fake.m_results["Read"] = FT_IO_ERROR;
    EXPECT_EQ(port.ReadByte(), 255) << "a failed read";
    EXPECT_EQ(m_fake.CallsNamed("Read"), (Calls{"Read(h,1)", "Read(h,1)", "Read(h,1)"}));
}

TEST_F(SerialPortTransferTest, WriteByteReadsAnAnswerOnlyWhenAsked)
{
    CSerialPort port(m_fake.Api());
    Open(port);
    m_fake.m_strRx = "z";
    port.WriteByte('!', nullptr);
    EXPECT_EQ(m_fake.m_calls, (Calls{"Write(h,1)"}));
    char answer = 0;
    port.WriteByte('S', &answer);
    EXPECT_EQ(answer, 'z');
    EXPECT_EQ(m_fake.m_calls, (Calls{"Write(h,1)", "Write(h,1)", "Read(h,1)"}));
    EXPECT_EQ(m_fake.m_strTx, "!S");
}

TEST_F(SerialPortTransferTest, WriteBlockFormsAndTheBytewiseWriters)
{
    CSerialPort port(m_fake.Api());
    Open(port);
    port.WriteBlock("abc", 3, nullptr);
    EXPECT_EQ(m_fake.m_calls, (Calls{"Write(h,3)"}));

    m_fake.ClearCalls();
    m_fake.m_strRx = "XYZ";
    char answers[3] = {};
    port.WriteBlock("abc", 3, answers);
    EXPECT_EQ(std::string(answers, 3), "XYZ");
    EXPECT_EQ(m_fake.m_calls, (Calls{"Write(h,1)", "Read(h,1)", "Write(h,1)", "Read(h,1)", "Write(h,1)", "Read(h,1)"}));

    m_fake.ClearCalls();
    m_fake.m_strRx = "12";
    port.WriteBytewise("de", 2, nullptr);  // answers still read, into a scratch byte
    EXPECT_EQ(m_fake.m_calls, (Calls{"Write(h,1)", "Read(h,1)", "Write(h,1)", "Read(h,1)"}));

    m_fake.ClearCalls();
    m_fake.m_strRx = "pq";
    char stringAnswers[3] = {'-', '-', '-'};
    port.WriteString("fg", stringAnswers);
    EXPECT_EQ(std::string(stringAnswers, 3), "pq-") << "no terminator is sent";
    EXPECT_EQ(m_fake.m_strTx, "abcabcdefg");
}

TEST_F(SerialPortTransferTest, ReadLine)
{
    struct CASE {
        const char* pszName;
        std::string strRx;
        int nMax;
        std::string strExpected;
        std::size_t nReads;
    };
    const CASE cases[] = {
        {"no terminator: max bytes and a zero", "abcdef", 4, "abcd", 4},
        {"stops after the terminator", "ab\ncd", 10, "ab\n", 3},
        {"silent line reads 255s", "", 3, "\xFF\xFF\xFF", 3},
        {"zero maximum reads nothing", "abc", 0, "", 0},
    };
    for (const CASE& c : cases) {
        SCOPED_TRACE(c.pszName);
        CSerialPort port(m_fake.Api());
        Open(port);
        m_fake.m_strRx = c.strRx;
        char buffer[16];
        std::fill(std::begin(buffer), std::end(buffer), '#');
        EXPECT_EQ(port.ReadLine(buffer, '\n', c.nMax), 0);
        EXPECT_EQ(std::string(buffer, c.strExpected.size() + 1), c.strExpected + '\0');
        EXPECT_EQ(m_fake.CallsNamed("Read").size(), c.nReads);
    }

    CSerialPort closed(m_fake.Api());
    m_fake.ClearCalls();
    char buffer[4] = {'#', '#', '#', '#'};
    EXPECT_EQ(closed.ReadLine(buffer, '\n', 3), -1);
    EXPECT_EQ(buffer[0], '\0');
    EXPECT_TRUE(m_fake.m_calls.empty());
}

TEST_F(SerialPortTransferTest, ReadBlockReturnsTheReadStatus)
{
    CSerialPort port(m_fake.Api());
    char buffer[4] = {};
    EXPECT_EQ(port.ReadBlock(buffer, 4), FT_OK) << "closed";
    Open(port);
    m_fake.m_strRx = "wxyz";
    EXPECT_EQ(port.ReadBlock(buffer, 4), FT_OK);
    EXPECT_EQ(std::string(buffer, 4), "wxyz");
    m_fake.m_results["Read"] = FT_IO_ERROR;
    EXPECT_EQ(port.ReadBlock(buffer, 4), FT_IO_ERROR);
    EXPECT_EQ(m_fake.CallsNamed("Read"), (Calls{"Read(h,4)", "Read(h,4)"}));
    EXPECT_EQ(port.ReadBlock(buffer, -1), FT_INVALID_PARAMETER) << "a negative length never reaches the driver";
}

TEST(SerialPortErrorText, Codes)
{
    const std::pair<int, const char*> cases[] = {{0, "Timeout"},         {1, "Write error"},   {2, "Read error"},
                                                 {3, "Not specified"},   {4, "Not specified"}, {-1, "Not specified"},
                                                 {99, "Not specified"}};
    for (const auto& [nCode, pszText] : cases)
        EXPECT_EQ(CSerialPort::ErrorText(nCode), pszText) << nCode;
}

}  // namespace
