#include "acquisition/CAcquisition.h"
#include "acquisition/CSettingsStore.h"

#include <QByteArray>
#include <QDir>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>

namespace {

// Each test gets its own per-user location.
class SettingsStore : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_dir.path());
    }
    static QSettings Raw() { return QSettings(QStringLiteral("Tirbo"), QStringLiteral("Vadel")); }
    static QByteArray Bytes(double d)
    {
        QByteArray b(8, '\0');
        std::memcpy(b.data(), &d, 8);  // the test machine is little-endian like the store
        return b;
    }
    QTemporaryDir m_dir;
};

}  // namespace

TEST_F(SettingsStore, FirstStartGivesDefaultsAndExitWritesAllTen)
{
    SETTINGS s;
    s.dSensor1At4mA = 42.0;
    s.strSignalName[2] = "kept";
    CSettingsStore store;
    store.Load(s);
    EXPECT_EQ(s.dSensor1At4mA, 42.0) << "nothing stored: the value stays as it was";
    EXPECT_EQ(s.strSignalName[2], "kept");

    store.Save(SETTINGS{});
    QSettings raw = Raw();
    const char* entries[] = {"Scaling/Sensor1 4mA", "Scaling/Sensor1 20mA", "Scaling/Sensor2 4mA",
                             "Scaling/Sensor2 20mA"};
    const double values[] = {0.0, 1.0, 0.0, 1.0};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(raw.value(entries[i]).toByteArray(), Bytes(values[i])) << entries[i];
    for (int k = 1; k <= 6; ++k)
        EXPECT_EQ(raw.value(QStringLiteral("Signal names/Mic%1").arg(k)).toString(), QStringLiteral("Mic%1").arg(k));
}

TEST_F(SettingsStore, ValuesComeBackExactly)
{
    SETTINGS out;
    out.dSensor1At4mA = 2.5;
    out.dSensor1At20mA = 0.1;
    out.dSensor2At4mA = -1e-300;
    out.dSensor2At20mA = 123456.789;
    out.strSignalName[0] = "";
    out.strSignalName[3] = QString::fromUtf8("Druck \u00b0C");
    CSettingsStore().Save(out);

    SETTINGS in;
    CSettingsStore().Load(in);
    EXPECT_EQ(std::memcmp(&in.dSensor1At20mA, &out.dSensor1At20mA, 8), 0);
    EXPECT_EQ(in.dSensor1At4mA, 2.5);
    EXPECT_EQ(in.dSensor2At4mA, -1e-300);
    EXPECT_EQ(in.dSensor2At20mA, 123456.789);
    EXPECT_TRUE(in.strSignalName[0].isEmpty()) << "an empty name is a name, not a missing entry";
    EXPECT_EQ(in.strSignalName[3], out.strSignalName[3]);
    EXPECT_EQ(in.strSignalName[5], "Mic6");
}

TEST_F(SettingsStore, OddEntriesAreReadAsTheStoreDefines)
{
    SETTINGS out;
    out.dSensor1At4mA = 7.0;
    out.dSensor2At20mA = 9.0;
    out.strSignalName[1] = "Left";
    CSettingsStore().Save(out);
    {
        QSettings raw = Raw();
        raw.remove("Signal names/Mic2");                                   // deleted by hand
        raw.setValue("Scaling/Sensor1 20mA", Bytes(3.0) + QByteArray("xyz"));  // longer: first 8 bytes
        raw.setValue("Scaling/Sensor2 20mA", QByteArray("\x01\x02\x03", 3));   // shorter: missing
    }
    SETTINGS in;
    CSettingsStore().Load(in);
    EXPECT_EQ(in.strSignalName[1], "Mic2");
    EXPECT_EQ(in.dSensor1At4mA, 7.0) << "the other entries keep their stored values";
    EXPECT_EQ(in.dSensor1At20mA, 3.0);
    EXPECT_EQ(in.dSensor2At20mA, 1.0);
}

TEST_F(SettingsStore, ReadOnlyStoreNeverWrites)
{
    SETTINGS s;
    s.dSensor1At4mA = 5.0;
    CSettingsStore(true).Save(s);
    EXPECT_TRUE(Raw().allKeys().isEmpty());
}

namespace {
struct NullHost : IAcquisitionHost {
    bool UpdateData(bool) override { return true; }
    void MessageBox(const QString&) override {}
    void EnableControl(int, bool) override {}
    void SetControlText(int, const QString&) override {}
    void SetProgressRange(int, int) override {}
    void SetProgressPos(int) override {}
    int GetProgressUpper() override { return 0; }
    void DrawProgressText(const QString&) override {}
    void Invalidate() override {}
};
}  // namespace

TEST_F(SettingsStore, OwnerLoadsAtConstructionAndSavesAtDestruction)
{
    SETTINGS stored;
    stored.dSensor2At4mA = -40.0;
    stored.strSignalName[5] = "Back";
    CSettingsStore().Save(stored);

    NullHost host;
    CSettingsStore store;
    {
        CAcquisition acq(host, &store);
        EXPECT_EQ(acq.m_dSensor2At4mA, -40.0);
        EXPECT_EQ(acq.m_strSignalName[5], "Back");
        acq.m_dSensor1At20mA = 16.0;
        EXPECT_FALSE(Raw().value("Scaling/Sensor1 20mA").toByteArray() == Bytes(16.0));
    }
    EXPECT_EQ(Raw().value("Scaling/Sensor1 20mA").toByteArray(), Bytes(16.0));
}
