// The three dialog templates of the program.
#include "res/DialogTemplate.h"
#include "res/Resource.h"

#include <array>

namespace res {
namespace {

constexpr std::uint32_t kEdit = WS_BORDER | ES_AUTOHSCROLL | WS_TABSTOP;
constexpr const char* kFont = "MS Shell Dlg";

constexpr std::array kAboutItems{
    DLGITEM{IDC_STATIC, CONTROLKIND::Icon, "", 11, 17, 20, 20, 0, IDR_MAINFRAME},
    DLGITEM{IDC_STATIC, CONTROLKIND::Static, "Vadel Version 1.0", 40, 10, 119, 8, 0},
    DLGITEM{IDC_STATIC, CONTROLKIND::Static, "Copyright (C) 2026 Tirbo\nwww.tirbo.example", 40, 25, 119,
            23, 0},
    DLGITEM{IDOK, CONTROLKIND::PushButton, "OK", 178, 7, 50, 16, BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP},
};

constexpr std::array kFormItems{
    DLGITEM{IDC_STATIC, CONTROLKIND::GroupBox, "Get sensor data", 6, 6, 72, 84, 0},
    DLGITEM{IDC_GO, CONTROLKIND::PushButton, "Go", 12, 18, 60, 14, WS_TABSTOP},
    DLGITEM{IDC_BOARD_TEMP, CONTROLKIND::Edit, "", 12, 36, 60, 14, kEdit},
    DLGITEM{IDC_SENSOR1, CONTROLKIND::Edit, "", 12, 54, 60, 14, kEdit},
    DLGITEM{IDC_SENSOR2, CONTROLKIND::Edit, "", 12, 72, 60, 14, kEdit},
    DLGITEM{IDC_STATIC, CONTROLKIND::GroupBox, "Microphones", 6, 90, 72, 192, 0},
    DLGITEM{IDC_TEST_ADC, CONTROLKIND::PushButton, "Test ADC data", 12, 156, 60, 14, WS_TABSTOP | WS_GROUP},
    DLGITEM{IDC_BUZZER, CONTROLKIND::AutoCheckBox, "Buzzer", 18, 138, 37, 10, WS_TABSTOP},
    DLGITEM{IDC_MIC6, CONTROLKIND::AutoCheckBox, "Mic6", 42, 126, 30, 10, WS_TABSTOP},
    DLGITEM{IDC_MIC5, CONTROLKIND::AutoCheckBox, "Mic5", 12, 126, 30, 10, WS_TABSTOP},
    DLGITEM{IDC_MIC4, CONTROLKIND::AutoCheckBox, "Mic4", 42, 114, 30, 10, WS_TABSTOP},
    DLGITEM{IDC_MIC3, CONTROLKIND::AutoCheckBox, "Mic3", 12, 114, 30, 10, WS_TABSTOP},
    DLGITEM{IDC_MIC2, CONTROLKIND::AutoCheckBox, "Mic2", 42, 102, 30, 10, WS_TABSTOP},
    DLGITEM{IDC_MIC1, CONTROLKIND::AutoCheckBox, "Mic1", 12, 102, 30, 10, WS_TABSTOP},
    DLGITEM{IDC_START, CONTROLKIND::PushButton, "Start", 18, 216, 48, 14, WS_TABSTOP},
    DLGITEM{IDC_STATIC, CONTROLKIND::GroupBox, "Stream to file", 12, 174, 60, 102, 0},
    DLGITEM{IDC_TIME, CONTROLKIND::Edit, "", 18, 198, 48, 14, kEdit},
    DLGITEM{IDC_STATIC, CONTROLKIND::Static, "Time [s]", 18, 186, 42, 8, 0},
    DLGITEM{IDC_PROGRESS, CONTROLKIND::Progress, "", 18, 234, 48, 15, WS_BORDER | PBS_SMOOTH},
    DLGITEM{IDC_STATIC, CONTROLKIND::GroupBox, "Output file", 84, 6, 384, 30, 0},
    DLGITEM{IDC_BROWSE, CONTROLKIND::PushButton, "Browse", 420, 18, 42, 14, WS_TABSTOP},
    DLGITEM{IDC_OUTPUT_FILE, CONTROLKIND::Edit, "", 90, 18, 324, 14, kEdit},
    DLGITEM{IDC_SENSOR_SETUP, CONTROLKIND::PushButton, "Sensor setup", 6, 288, 72, 14, WS_TABSTOP},
    DLGITEM{IDC_STOP, CONTROLKIND::PushButton, "Stop", 18, 252, 48, 14, WS_TABSTOP | WS_DISABLED},
};

constexpr std::array kSetupItems{
    DLGITEM{IDOK, CONTROLKIND::PushButton, "OK", 24, 180, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
    DLGITEM{IDCANCEL, CONTROLKIND::PushButton, "Cancel", 114, 180, 50, 14, WS_TABSTOP},
    DLGITEM{IDC_STATIC, CONTROLKIND::GroupBox, "Sensor 1", 6, 0, 84, 48, 0},
    DLGITEM{IDC_STATIC, CONTROLKIND::Static, "4mA", 12, 12, 15, 8, 0},
    DLGITEM{IDC_STATIC, CONTROLKIND::Static, "20mA", 12, 30, 19, 8, 0},
    DLGITEM{IDC_SENSOR1_4MA, CONTROLKIND::Edit, "", 36, 10, 46, 14, kEdit},
    DLGITEM{IDC_SENSOR1_20MA, CONTROLKIND::Edit, "", 36, 28, 46, 14, kEdit},
    DLGITEM{IDC_STATIC, CONTROLKIND::GroupBox, "Sensor 2", 96, 0, 84, 48, 0},
    DLGITEM{IDC_STATIC, CONTROLKIND::Static, "4mA", 102, 12, 15, 8, 0},
    DLGITEM{IDC_STATIC, CONTROLKIND::Static, "20mA", 102, 30, 19, 8, 0},
    DLGITEM{IDC_SENSOR2_4MA, CONTROLKIND::Edit, "", 126, 10, 46, 14, kEdit},
    DLGITEM{IDC_SENSOR2_20MA, CONTROLKIND::Edit, "", 126, 28, 46, 14, kEdit},
    DLGITEM{IDC_STATIC, CONTROLKIND::GroupBox, "Signal names", 6, 48, 174, 124, 0},
    DLGITEM{IDC_STATIC, CONTROLKIND::Static, "Mic1", 12, 62, 15, 8, 0},
    DLGITEM{1021, CONTROLKIND::Edit, "", 30, 60, 144, 14, kEdit},
    DLGITEM{IDC_STATIC, CONTROLKIND::Static, "Mic2", 12, 80, 15, 8, 0},
    DLGITEM{1022, CONTROLKIND::Edit, "", 30, 78, 144, 14, kEdit},
    DLGITEM{IDC_STATIC, CONTROLKIND::Static, "Mic3", 12, 98, 15, 8, 0},
    DLGITEM{1023, CONTROLKIND::Edit, "", 30, 96, 144, 14, kEdit},
    DLGITEM{IDC_STATIC, CONTROLKIND::Static, "Mic4", 12, 116, 15, 8, 0},
    DLGITEM{1024, CONTROLKIND::Edit, "", 30, 114, 144, 14, kEdit},
    DLGITEM{IDC_STATIC, CONTROLKIND::Static, "Mic5", 12, 135, 15, 8, 0},
    DLGITEM{1025, CONTROLKIND::Edit, "", 30, 132, 144, 14, kEdit},
    DLGITEM{IDC_STATIC, CONTROLKIND::Static, "Mic6", 12, 153, 15, 8, 0},
    DLGITEM{1026, CONTROLKIND::Edit, "", 30, 150, 144, 14, kEdit},
};

constexpr DLGTEMPLATE kTemplates[] = {
    {IDD_ABOUTBOX, "About Vadel", 235, 55, DS_POPUP | DS_CAPTION | DS_SYSMENU | DS_MODALFRAME, kFont, 8,
     kAboutItems},
    {IDD_VADEL_FORM, "", 518, 326, DS_CHILD, kFont, 8, kFormItems},
    {IDD_SETUP, "Sensor setup", 186, 204, DS_POPUP | DS_CAPTION | DS_SYSMENU | DS_MODALFRAME, kFont, 8,
     kSetupItems},
};

}  // namespace

const DLGTEMPLATE* FindDialogTemplate(int nId)
{
    for (const DLGTEMPLATE& t : kTemplates) {
        if (t.nId == nId)
            return &t;
    }
    return nullptr;
}

}  // namespace res
