#pragma once
// Numbers of the main form's controls, as the handlers address them.
namespace acq {

inline constexpr int IDC_GO = 1000;
inline constexpr int IDC_BOARD_TEMP = 1001;
inline constexpr int IDC_SENSOR1 = 1002;
inline constexpr int IDC_SENSOR2 = 1003;
inline constexpr int IDC_TEST_ADC = 1004;
inline constexpr int IDC_BUZZER = 1005;
inline constexpr int IDC_MIC6 = 1006;  // element 0 of m_bMic; IDC_MIC6 + i is element i
inline constexpr int IDC_MIC5 = 1007;
inline constexpr int IDC_MIC4 = 1008;
inline constexpr int IDC_MIC3 = 1009;
inline constexpr int IDC_MIC2 = 1010;
inline constexpr int IDC_MIC1 = 1011;
inline constexpr int IDC_START = 1012;
inline constexpr int IDC_TIME = 1013;
inline constexpr int IDC_PROGRESS = 1014;
inline constexpr int IDC_BROWSE = 1015;
inline constexpr int IDC_OUTPUT_FILE = 1016;
inline constexpr int IDC_STOP = 1017;
inline constexpr int IDC_SENSOR_SETUP = 1018;

}  // namespace acq
