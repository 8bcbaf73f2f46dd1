// The ring between a channel's reader thread and the port's reads.
#include "instrument/d2xx/LibftdiRing.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>

using d2xx::CByteRing;
using namespace std::chrono_literals;

namespace {

bool Put(CByteRing& ring, const std::string& str)
{
    return ring.Write(reinterpret_cast<const std::uint8_t*>(str.data()), str.size());
}

std::string Take(CByteRing& ring, std::size_t n, std::chrono::milliseconds timeout = 0ms)
{
    std::string str(n, '\0');
    str.resize(ring.Read(reinterpret_cast<std::uint8_t*>(str.data()), n, timeout));
    return str;
}

TEST(LibftdiRing, KeepsOrderAcrossTheWrap)
{
    CByteRing ring(8);
    EXPECT_TRUE(Put(ring, "abcdef"));
    EXPECT_EQ(Take(ring, 4), "abcd");
    EXPECT_TRUE(Put(ring, "ghijkl"));  // wraps past the end of the storage
    EXPECT_EQ(ring.Available(), 8u);
    EXPECT_EQ(Take(ring, 3), "efg");
    EXPECT_EQ(Take(ring, 5), "hijkl");
    EXPECT_EQ(ring.Available(), 0u);
}

TEST(LibftdiRing, OverflowKeepsWhatFitsRefusesTheRestAndEndsWaits)
{
    CByteRing ring(8);
    EXPECT_TRUE(Put(ring, "abcdef"));
    EXPECT_FALSE(Put(ring, "ghij"));
    EXPECT_TRUE(ring.Overflowed());
    EXPECT_FALSE(Put(ring, "k")) << "nothing after the gap may follow what came before it";
    EXPECT_EQ(ring.DroppedBytes(), 3u);

    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(Take(ring, 12, 30s), "abcdefgh") << "the bytes before the gap still arrive";
    EXPECT_LT(std::chrono::steady_clock::now() - start, 10s) << "an overflowed ring must not wait for more";

    ring.Clear();
    EXPECT_FALSE(ring.Overflowed());
    EXPECT_TRUE(Put(ring, "xy"));
    EXPECT_EQ(Take(ring, 2), "xy");
}

TEST(LibftdiRing, TimedReadReturnsThePartialCount)
{
    CByteRing ring(16);
    Put(ring, "abc");
    EXPECT_EQ(Take(ring, 10, 20ms), "abc");
    EXPECT_EQ(Take(ring, 1, 0ms), "");
}

TEST(LibftdiRing, PurgeDiscardsWhatWaits)
{
    CByteRing ring(16);
    Put(ring, "stale");
    ring.Clear();
    EXPECT_EQ(ring.Available(), 0u);
    Put(ring, "fresh");
    EXPECT_EQ(Take(ring, 5), "fresh");
}

TEST(LibftdiRing, WaitingReadEndsOnDataOrFault)
{
    CByteRing ring(16);
    std::string strGot;
    std::thread reader([&] { strGot = Take(ring, 10, 30s); });
    Put(ring, "0123");
    Put(ring, "456789");
    reader.join();
    EXPECT_EQ(strGot, "0123456789");

    const auto start = std::chrono::steady_clock::now();
    std::thread waiting([&] { strGot = Take(ring, 10, 30s); });
    ring.SetFault();
    waiting.join();
    EXPECT_EQ(strGot, "");
    EXPECT_LT(std::chrono::steady_clock::now() - start, 10s) << "a vanished chip must not hold a read";
}

TEST(LibftdiRing, StreamThroughASmallRingArrivesIntact)
{
    // Blocks of the box's largest size through a ring that wraps many times.
    constexpr std::size_t kTotal = 1 << 20;
    constexpr std::size_t kBlock = 3074;
    CByteRing ring(64 * 1024);
    std::thread producer([&] {
        std::vector<std::uint8_t> chunk;
        std::size_t nSent = 0;
        std::size_t nChunk = 1;
        while (nSent < kTotal) {
            nChunk = std::min(kTotal - nSent, (nChunk * 7 + 13) % 4096 + 1);
            if (ring.Available() + nChunk > ring.Capacity()) {
                std::this_thread::yield();
                continue;
            }
            chunk.resize(nChunk);
            for (std::size_t i = 0; i < nChunk; ++i)
                chunk[i] = static_cast<std::uint8_t>((nSent + i) % 251);
            ASSERT_TRUE(ring.Write(chunk.data(), nChunk));
            nSent += nChunk;
        }
    });
    std::vector<std::uint8_t> block(kBlock);
    std::size_t nReceived = 0;
    bool bIntact = true;
    while (nReceived < kTotal && bIntact) {
        const std::size_t nWant = std::min(kBlock, kTotal - nReceived);
        const std::size_t n = ring.Read(block.data(), nWant, 30s);
        ASSERT_EQ(n, nWant);
        for (std::size_t i = 0; i < n && bIntact; ++i)
            bIntact = block[i] == static_cast<std::uint8_t>((nReceived + i) % 251);
        nReceived += n;
    }
    producer.join();
    EXPECT_TRUE(bIntact) << "at byte " << nReceived;
    EXPECT_FALSE(ring.Overflowed());
}

}  // namespace
