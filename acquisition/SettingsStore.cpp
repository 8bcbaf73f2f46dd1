#include "acquisition/CSettingsStore.h"

#include <QByteArray>
#include <QSettings>

#include <cstdint>
#include <cstring>

const char* const CSettingsStore::kScalingSection = "Scaling";
const char* const CSettingsStore::kNamesSection = "Signal names";
const char* const CSettingsStore::kScalingEntry[4] = {"Sensor1 4mA", "Sensor1 20mA", "Sensor2 4mA",
                                                       "Sensor2 20mA"};

namespace {

double* ScalingMember(SETTINGS& s, int i)
{
    double* members[4] = {&s.dSensor1At4mA, &s.dSensor1At20mA, &s.dSensor2At4mA, &s.dSensor2At20mA};
    return members[i];
}

// Byte order is fixed little-endian so a store copied between machines reads the same.
QByteArray EncodeDouble(double d)
{
    std::uint64_t bits = 0;
    std::memcpy(&bits, &d, sizeof bits);
    QByteArray bytes(8, '\0');
    for (int i = 0; i < 8; ++i)
        bytes[i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
    return bytes;
}

double DecodeDouble(const QByteArray& bytes)
{
    std::uint64_t bits = 0;
    for (int i = 0; i < 8; ++i)
        bits |= static_cast<std::uint64_t>(static_cast<unsigned char>(bytes[i])) << (8 * i);
    double d = 0.0;
    std::memcpy(&d, &bits, sizeof d);
    return d;
}

QString NameEntry(int k) { return QStringLiteral("Mic%1").arg(k + 1); }

}  // namespace

CSettingsStore::CSettingsStore(bool bReadOnly)
    : m_pSettings(std::make_unique<QSettings>(QStringLiteral("Tirbo"), QStringLiteral("Vadel"))),
      m_bReadOnly(bReadOnly)
{
}

CSettingsStore::~CSettingsStore() = default;

void CSettingsStore::Load(SETTINGS& settings)
{
    QSettings& s = *m_pSettings;
    s.sync();
    s.beginGroup(QString::fromLatin1(kScalingSection));
    for (int i = 0; i < 4; ++i) {
        const QVariant v = s.value(QString::fromLatin1(kScalingEntry[i]));
        if (!v.isValid())
            continue;
        const QByteArray bytes = v.toByteArray();
        if (bytes.size() < 8)  // not a double: as good as missing
            continue;
        *ScalingMember(settings, i) = DecodeDouble(bytes);
    }
    s.endGroup();

    s.beginGroup(QString::fromLatin1(kNamesSection));
    for (int k = 0; k < 6; ++k) {
        const QVariant v = s.value(NameEntry(k));
        if (v.isValid())
            settings.strSignalName[k] = v.toString();
    }
    s.endGroup();
}

void CSettingsStore::Save(const SETTINGS& settings)
{
    if (m_bReadOnly)
        return;
    QSettings& s = *m_pSettings;
    SETTINGS copy = settings;
    s.beginGroup(QString::fromLatin1(kScalingSection));
    for (int i = 0; i < 4; ++i)
        s.setValue(QString::fromLatin1(kScalingEntry[i]), EncodeDouble(*ScalingMember(copy, i)));
    s.endGroup();

    s.beginGroup(QString::fromLatin1(kNamesSection));
    for (int k = 0; k < 6; ++k)
        s.setValue(NameEntry(k), settings.strSignalName[k]);
    s.endGroup();
    s.sync();  // failures stay silent, as the store's writes always were
}
