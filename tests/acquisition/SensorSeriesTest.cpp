#include "acquisition/CSensorSeries.h"
#include "acquisition/SensorConversions.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// Sensor word of block b: distinct per block, so a value shows where it came from.
std::uint16_t Word(int b) { return static_cast<std::uint16_t>(1000 + (b * 7) % 60000); }

std::unique_ptr<CSensorSeries> Record(int nBlocks)
{
    auto p = std::make_unique<CSensorSeries>();
    p->Reset();
    for (int b = 0; b < nBlocks; ++b)
        p->Record(b, Word(b));
    p->Finish(nBlocks, 0.0, 10.0, -5.0, 5.0);
    return p;
}

double Expected(int b)
{
    return b % 2 == 0 ? acq::SensorValue(Word(b), 0.0, 10.0) : acq::SensorValue(Word(b), -5.0, 5.0);
}

}  // namespace

TEST(SensorSeries, EachSeriesEndsWithItsSensorsLatestValues)
{
    // Short, exactly full, long, beyond the 131072-entry table, and odd counts left by "Stop".
    for (int nBlocks : {0, 1, 7, 122, 512, 513, 1001, 1830, 131072, 183104, 200001}) {
        const auto p = Record(nBlocks);
        for (int s = 0; s < 2; ++s) {
            const int nValues = (nBlocks + 1 - s) / 2;  // blocks of this sensor's parity
            const int nExpected = nValues < 256 ? nValues : 256;
            ASSERT_EQ(p->Count(s + 1), nExpected) << nBlocks;
            for (int k = 0; k < nExpected; ++k) {
                // k-th kept value is the sensor's value number nValues - nExpected + k.
                const int b = 2 * (nValues - nExpected + k) + s;
                ASSERT_DOUBLE_EQ(p->Values(s + 1)[k], Expected(b)) << nBlocks << " sensor " << s + 1;
            }
        }
    }
}
