#pragma once
// The fixed texts the operator sees in message boxes.
namespace acq {

inline constexpr const char* kMsgCantOpenPorts = "Can't open communication ports";
inline constexpr const char* kMsgNoOutputFile = "No output file specified";
inline constexpr const char* kMsgNoMicrophone = "No microphone selected";
inline constexpr const char* kMsgMemoryException = "Memory exception";
inline constexpr const char* kMsgFileException = "File exception";
inline constexpr const char* kMsgSerialPortException = "Serial port exception";

// The form's own validation of the time field.
inline constexpr const char* kMsgEnterInteger = "Please enter an integer.";
inline constexpr const char* kMsgEnterTimeRange = "Please enter an integer between 1 and 1500.";
inline constexpr int kMinTime = 1;
inline constexpr int kMaxTime = 1500;

}  // namespace acq
