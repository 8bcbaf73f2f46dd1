#pragma once
// The simulated box on its virtual clock, fresh for each test, and a capture buffer filled
// with a marker value so a test sees which rows a handler wrote.
#include "acquisition/CaptureBuffers.h"
#include "instrument/d2xx/D2xxBackends.h"
#include "instrument/d2xx/sim/SimulatedBox.h"

#include <gtest/gtest.h>

#include <string>

class SimBoxTest : public ::testing::Test {
protected:
    static constexpr double kUntouched = 12345.0;

    void SetUp() override
    {
        std::string error;
        ASSERT_TRUE(d2xx::D2xxSelect(std::string(), error)) << error;
        Configure("");
        for (auto& row : g_dCapture)
            for (double& d : row)
                d = kUntouched;
    }
    void TearDown() override { sim::Box().Reset(sim::SIMOPTIONS(), false); }

    static void Configure(const std::string& strOptions)
    {
        std::string error;
        ASSERT_TRUE(sim::Box().Reset(strOptions, true, error)) << error;
    }
};
