#pragma once
// Per-user settings: the scaling of the two current-loop inputs and the six signal names.
#include <QString>

#include <memory>

class QSettings;

struct SETTINGS {
    double dSensor1At4mA = 0.0;
    double dSensor1At20mA = 1.0;
    double dSensor2At4mA = 0.0;
    double dSensor2At20mA = 1.0;
    QString strSignalName[6] = {"Mic1", "Mic2", "Mic3", "Mic4", "Mic5", "Mic6"};
};

class ISettingsStore {
public:
    virtual ~ISettingsStore() = default;
    // Overwrites each value that the store holds; the others keep what they had.
    virtual void Load(SETTINGS& settings) = 0;
    // Writes all ten values.
    virtual void Save(const SETTINGS& settings) = 0;
};

// On QSettings, organisation "Tirbo", application "Vadel": section "Scaling" holds the four
// values as 8 raw little-endian bytes of the double, section "Signal names" the texts.
// A scaling entry of fewer than 8 bytes counts as missing. A read-only store never writes.
class CSettingsStore : public ISettingsStore {
public:
    explicit CSettingsStore(bool bReadOnly = false);
    ~CSettingsStore() override;

    void Load(SETTINGS& settings) override;
    void Save(const SETTINGS& settings) override;

    static const char* const kScalingSection;
    static const char* const kNamesSection;
    static const char* const kScalingEntry[4];  // "Sensor1 4mA", "Sensor1 20mA", ...

private:
    std::unique_ptr<QSettings> m_pSettings;
    bool m_bReadOnly;
};
