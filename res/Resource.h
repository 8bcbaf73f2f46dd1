#pragma once
// Numeric identifiers of the window resources: dialogs, controls, commands, strings.
// Controls and commands are addressed by these numbers everywhere, so they never change.

namespace res {

// Resource 128 names the menu, accelerators, toolbar, icon and document string alike.
inline constexpr int IDR_MAINFRAME = 128;
inline constexpr int IDD_ABOUTBOX = 100;
inline constexpr int IDD_VADEL_FORM = 101;
inline constexpr int IDD_SETUP = 130;
// Asked for when start-up cannot initialise the object services; the table does not hold it.
inline constexpr int IDP_OLE_INIT_FAILED = 100;

inline constexpr int IDC_STATIC = -1;
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;

// Main form.
inline constexpr int IDC_GO = 1000;
inline constexpr int IDC_BOARD_TEMP = 1001;
inline constexpr int IDC_SENSOR1 = 1002;
inline constexpr int IDC_SENSOR2 = 1003;
inline constexpr int IDC_TEST_ADC = 1004;
inline constexpr int IDC_BUZZER = 1005;
inline constexpr int IDC_MIC6 = 1006;  // element 0 of the microphone flags; IDC_MIC6 + i is element i
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

// Sensor setup dialog (its numbers overlap the form's; they live in another window).
inline constexpr int IDC_SENSOR1_4MA = 1017;
inline constexpr int IDC_SENSOR1_20MA = 1018;
inline constexpr int IDC_SENSOR2_4MA = 1019;
inline constexpr int IDC_SENSOR2_20MA = 1020;
inline constexpr int IDC_SIGNAL_NAME1 = 1021;  // IDC_SIGNAL_NAME1 + k is signal name k
inline constexpr int IDC_SIGNAL_NAME6 = 1026;

// Commands of the menu, toolbar and accelerators.
inline constexpr int ID_SEPARATOR = 0;
inline constexpr int ID_FILE_NEW = 57600;
inline constexpr int ID_FILE_OPEN = 57601;
inline constexpr int ID_FILE_CLOSE = 57602;
inline constexpr int ID_FILE_SAVE = 57603;
inline constexpr int ID_FILE_SAVE_AS = 57604;
inline constexpr int ID_FILE_PRINT = 57607;
inline constexpr int ID_FILE_MRU_FILE1 = 57616;
inline constexpr int ID_FILE_MRU_FILE4 = 57619;
inline constexpr int ID_FILE_MRU_LAST = 57631;
inline constexpr int ID_EDIT_COPY = 57634;
inline constexpr int ID_EDIT_CUT = 57635;
inline constexpr int ID_EDIT_PASTE = 57637;
inline constexpr int ID_EDIT_UNDO = 57643;
inline constexpr int ID_APP_ABOUT = 57664;
inline constexpr int ID_APP_EXIT = 57665;
inline constexpr int ID_NEXT_PANE = 57680;
inline constexpr int ID_PREV_PANE = 57681;
inline constexpr int ID_VIEW_TOOLBAR = 59392;
inline constexpr int ID_VIEW_STATUS_BAR = 59393;

// Window ids of the bars (the same numbers as their View toggles).
inline constexpr int IDW_TOOLBAR = 59392;
inline constexpr int IDW_STATUS_BAR = 59393;

// Status bar panes.
inline constexpr int ID_INDICATOR_CAPS = 59137;
inline constexpr int ID_INDICATOR_NUM = 59138;
inline constexpr int ID_INDICATOR_SCRL = 59139;

// Strings of the shell.
inline constexpr int IDS_APP_TITLE = 57344;
inline constexpr int IDS_IDLEMESSAGE = 57345;
inline constexpr int IDS_OPENFILE = 61440;
inline constexpr int IDS_SAVEFILE = 61441;
inline constexpr int IDS_ALLFILTER = 61442;
inline constexpr int IDS_UNTITLED = 61443;

inline constexpr int kMaxRecentFiles = 4;

}  // namespace res
