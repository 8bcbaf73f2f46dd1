#pragma once
// Reading words to currents and sensor values, the texts the form shows, and the run's
// block arithmetic. Pure functions.
#include <QString>

namespace acq {

// raw × 2430 / 65536 / 100, in mA.
double LoopCurrent(unsigned nRaw);
// at4 + (current − 4) / 16 × (at20 − at4); not limited to the 4–20 mA span.
double SensorValue(unsigned nRaw, double dAt4mA, double dAt20mA);
// (raw × 2430 / 65536 − 776) / 2.86, in °C.
double BoardTemperature(unsigned nRaw);

QString FormatSensor1(double dValue);    // "%.1lf bar"
QString FormatSensor2(double dValue);    // "%.1lf C"
QString FormatBoardTemp(double dValue);  // "%.1lf C"

// Planned blocks of a run: (time × rate) / 256, rounded down to even.
int PlannedBlocks(int nTime, int nSampleRate);
// Upper end of the progress range: (time × rate) / 256, not rounded.
int ProgressUpper(int nTime, int nSampleRate);
// "%d:%02d" of (block × time) / upper seconds; "0:00" when upper is not positive.
QString FormatElapsed(int nBlock, int nTime, int nUpper);

// The form's check of the time field, in its two stages: the text must be a decimal
// integer (kMsgEnterInteger), then lie in 1–1500 (kMsgEnterTimeRange).
bool ParseIntegerField(const QString& strText, int& nValue);
bool TimeInRange(int nTime);

}  // namespace acq
