// Choosing the driver back end. The driver library, once loaded, stays for the process:
// the test that loads one comes last.
#include "instrument/CSerialPort.h"
#include "instrument/d2xx/D2xxBackends.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

using namespace d2xx;

namespace {

class CEnvironmentVariable {
public:
    explicit CEnvironmentVariable(const char* pszName) : m_strName(pszName)
    {
        if (const char* psz = std::getenv(pszName))
            m_saved = psz;
    }
    ~CEnvironmentVariable()
    {
        if (m_saved)
            setenv(m_strName.c_str(), m_saved->c_str(), 1);
        else
            unsetenv(m_strName.c_str());
    }
    void Set(const char* pszValue) { setenv(m_strName.c_str(), pszValue, 1); }
    void Unset() { unsetenv(m_strName.c_str()); }

private:
    std::string m_strName;
    std::optional<std::string> m_saved;
};

class SelectBackendTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_simulate.Unset();
        m_library.Set("/nonexistent/vadel/libftd2xx.so");
        m_pPrevious = D2xxUse(nullptr);
    }
    void TearDown() override { D2xxUse(m_pPrevious); }

    CEnvironmentVariable m_simulate{"VADEL_SIMULATE"};
    CEnvironmentVariable m_library{"VADEL_D2XX_LIBRARY"};
    const D2XX_API* m_pPrevious = nullptr;
};

TEST_F(SelectBackendTest, SimulatedBoxFromOptionsOrEnvironment)
{
    struct CASE {
        const char* pszEnvironment;  // null: unset
        std::optional<std::string> options;
    };
    const CASE cases[] = {{nullptr, "fast"}, {nullptr, ""}, {"fast", std::nullopt}, {"", std::nullopt},
                          {"bogus-from-env", "fast"}};
    for (const CASE& c : cases) {
        SCOPED_TRACE(std::string(c.pszEnvironment ? c.pszEnvironment : "<unset>") + " / " + c.options.value_or("-"));
        c.pszEnvironment ? m_simulate.Set(c.pszEnvironment) : m_simulate.Unset();
        D2xxUse(nullptr);
        std::string error;
        EXPECT_TRUE(D2xxSelect(c.options, error)) << error;
        EXPECT_STREQ(D2xxActive().name, "simulated");
    }
}

TEST_F(SelectBackendTest, EnvironmentOptionsAreReadAsGiven)
{
    EXPECT_EQ(SimulateOptionsFromEnvironment(), std::nullopt);
    m_simulate.Set("");
    EXPECT_EQ(SimulateOptionsFromEnvironment(), std::optional<std::string>(""));
    m_simulate.Set("fast,stall=3");
    EXPECT_EQ(SimulateOptionsFromEnvironment(), std::optional<std::string>("fast,stall=3"));
}

TEST_F(SelectBackendTest, RefusedSelectionIsWordedAndKeepsTheActiveTable)
{
    const D2XX_API sentinel;
    D2xxUse(&sentinel);
    std::string error;
    EXPECT_FALSE(D2xxSelect(std::string("bogus"), error));
    EXPECT_NE(error.find("bogus"), std::string::npos) << error;
    EXPECT_EQ(&D2xxActive(), &sentinel);
}

TEST_F(SelectBackendTest, DriverLibraryThatCannotBeUsedIsReportedInWords)
{
    std::string error;
    EXPECT_EQ(VendorLibraryTable(error), nullptr);
    EXPECT_NE(error.find("/nonexistent/vadel/libftd2xx.so"), std::string::npos) << error;

    m_library.Set("libm.so.6");
    error.clear();
    EXPECT_EQ(VendorLibraryTable(error), nullptr);
    EXPECT_NE(error.find("not a D2XX library"), std::string::npos) << error;

    // Falls through to libftdi1, which is there or says why not.
    const D2XX_API sentinel;
    D2xxUse(&sentinel);
    error.clear();
    if (D2xxSelect(std::nullopt, error)) {
        EXPECT_STREQ(D2xxActive().name, "libftdi1");
    } else {
        EXPECT_EQ(&D2xxActive(), &sentinel);
        EXPECT_NE(error.find("libm.so.6"), std::string::npos) << error;
        EXPECT_NE(error.find("libftdi1"), std::string::npos) << error;
    }
}

TEST_F(SelectBackendTest, ActiveTableBeforeAnySelectionIsUsable)
{
    const D2XX_API& api = D2xxActive();
    const std::string strName = api.name;
    EXPECT_TRUE(strName == "libftdi1" || strName == "none") << strName;
    CSerialPort port;
    EXPECT_EQ(port.OpenByIndex(0, 6000000, 8), 1) << "no box is attached here";
    EXPECT_FALSE(port.IsOpen());
    EXPECT_EQ(port.ReadByte(), 255);

    D2xxUse(nullptr);
    m_simulate.Set("fast");
    EXPECT_STREQ(D2xxActive().name, "simulated");
}

TEST_F(SelectBackendTest, DriverLibraryLoadsEvenWithCallsMissing)
{
    m_library.Set(VADEL_TEST_DRIVER_MODULE);
    std::string error;
    const D2XX_API* pApi = VendorLibraryTable(error);
    ASSERT_NE(pApi, nullptr) << error;
    EXPECT_STREQ(pApi->name, "vendor");
    std::uint32_t nDevices = 0;
    EXPECT_EQ(pApi->pfnCreateDeviceInfoList(&nDevices), FT_OK);
    EXPECT_EQ(nDevices, 7u);
    EXPECT_EQ(pApi->pfnResetPort(nullptr), FT_NOT_SUPPORTED);
    EXPECT_EQ(pApi->pfnEE_UASize(nullptr, &nDevices), FT_NOT_SUPPORTED);

    EXPECT_TRUE(D2xxSelect(std::nullopt, error)) << error;
    EXPECT_EQ(&D2xxActive(), pApi) << "the driver library wins over libftdi1";
    CSerialPort port;
    EXPECT_EQ(port.OpenByIndex(0, 6000000, 8), 1) << "its device-detail call is missing";
}

}  // namespace
