#include "instrument/d2xx/sim/SimFirmware.h"

#include <cstdio>

namespace sim {
namespace {

constexpr std::uint8_t kPrefix = '!';
constexpr std::uint8_t kEsc = 27;

std::string ByteText(int nByte)
{
    char sz[32];
    if (nByte >= 32 && nByte < 127)
        std::snprintf(sz, sizeof sz, "'%c' (%d)", nByte, nByte);
    else
        std::snprintf(sz, sizeof sz, "%d", nByte);
    return sz;
}

}  // namespace

void CSimFirmware::Reset(const SIMOPTIONS& options)
{
    m_options = options;
    m_signal.SetMask(0);
    m_stream.Clear();
    m_nState = STATE::Idle;
    m_bBuzzer = false;
    m_nCaptures = m_nStreams = 0;
    m_vecBreaches.clear();
    m_nBreaches = 0;
    m_vecCommandBytes.clear();
    m_nCommandBytes = 0;
}

void CSimFirmware::RecordBreach(BREACHKIND nKind, int nByte)
{
    ++m_nBreaches;
    if (m_vecBreaches.size() >= kMaxLoggedBreaches)
        return;
    std::string strText;
    switch (nKind) {
    case BREACHKIND::DataChannelWrite: strText = "byte written on the data channel"; break;
    case BREACHKIND::CommandChannelRead: strText = "read on the command channel"; break;
    case BREACHKIND::MissingPrefix: strText = "command byte without prefix"; break;
    case BREACHKIND::UnknownCommand: strText = "unknown command"; break;
    case BREACHKIND::CommandDuringStream: strText = "byte other than ESC during a stream"; break;
    }
    if (nByte >= 0)
        strText += ": " + ByteText(nByte);
    m_vecBreaches.push_back({nKind, nByte, strText});
}

void CSimFirmware::Answer(std::uint8_t byte)
{
    // The value only paces the host; echoing the byte makes a trace easy to read.
    if (!m_options.bSilent)
        m_stream.Queue(&byte, 1);
}

void CSimFirmware::SendWord(std::uint16_t w)
{
    const std::uint8_t bytes[2] = {static_cast<std::uint8_t>(w >> 8), static_cast<std::uint8_t>(w & 0xFF)};
    if (!m_options.bSilent)
        m_stream.Queue(bytes, 2);
}

void CSimFirmware::OnCommandByte(std::uint8_t byte, std::int64_t nNow)
{
    ++m_nCommandBytes;
    if (m_vecCommandBytes.size() < kMaxLoggedCommandBytes)
        m_vecCommandBytes.push_back(byte);

    // The mask parameter may take any value, 27 and 33 included.
    if (m_nState == STATE::AwaitMask) {
        Answer(byte);
        m_signal.SetMask(byte);
        m_nState = STATE::Idle;
        return;
    }
    if (byte == kEsc) {
        m_stream.Stop(nNow);
        m_nState = STATE::Idle;
        return;
    }
    if (m_stream.IsStreaming()) {
        RecordBreach(BREACHKIND::CommandDuringStream, byte);
        return;
    }
    Answer(byte);
    if (byte == kPrefix) {
        m_nState = STATE::AwaitCommand;
        return;
    }
    if (m_nState != STATE::AwaitCommand) {
        RecordBreach(BREACHKIND::MissingPrefix, byte);
        return;
    }
    m_nState = STATE::Idle;
    RunCommand(byte, nNow);
}

void CSimFirmware::RunCommand(std::uint8_t byte, std::int64_t nNow)
{
    switch (byte) {
    case '1': SendWord(LoopWord(m_options.dLoop1mA)); break;
    case '2': SendWord(LoopWord(m_options.dLoop2mA)); break;
    case 'T': SendWord(BoardTempWord(m_options.dBoardTempC)); break;
    case 'B': m_bBuzzer = !m_options.bSilent; break;
    case 'b': m_bBuzzer = false; break;
    case 'M': m_nState = STATE::AwaitMask; break;
    case 's':
        if (!m_options.bSilent) {
            std::vector<std::uint8_t> vecCapture(static_cast<std::size_t>(CSimSignal::kFramesPerBlock) *
                                                 m_signal.FrameBytes());
            m_signal.Frames(0, CSimSignal::kFramesPerBlock, vecCapture.data());
            m_stream.Queue(vecCapture.data(), vecCapture.size());
        }
        ++m_nCaptures;
        break;
    case 'S':
        if (!m_options.bSilent)
            m_stream.Start(nNow, m_signal, LoopWord(m_options.dLoop1mA), LoopWord(m_options.dLoop2mA),
                           m_options.nStallBlocks);
        ++m_nStreams;
        break;
    default: RecordBreach(BREACHKIND::UnknownCommand, byte); break;
    }
}

}  // namespace sim
