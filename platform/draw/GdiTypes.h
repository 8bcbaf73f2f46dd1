#pragma once
// Constants and records of the device-context vocabulary the chart was written against.
#include "platform/Types.h"

// Pen styles.
inline constexpr int PS_SOLID = 0;
inline constexpr int PS_DASH = 1;
inline constexpr int PS_DOT = 2;

// Background modes.
inline constexpr int TRANSPARENT = 1;
inline constexpr int OPAQUE = 2;

// DrawText formats (only a centred single line is drawn).
inline constexpr UINT DT_CENTER = 0x0001;
inline constexpr UINT DT_VCENTER = 0x0004;
inline constexpr UINT DT_SINGLELINE = 0x0020;

// Region kinds reported by GetClipBox.
inline constexpr int NULLREGION = 1;
inline constexpr int SIMPLEREGION = 2;

// Font record fields.
inline constexpr int FW_NORMAL = 400;
inline constexpr int FW_BOLD = 700;
inline constexpr BYTE ANSI_CHARSET = 0;
inline constexpr BYTE OUT_STROKE_PRECIS = 3;
inline constexpr BYTE CLIP_STROKE_PRECIS = 2;
inline constexpr BYTE DRAFT_QUALITY = 1;
inline constexpr BYTE FF_SWISS = 0x20;
inline constexpr int LF_FACESIZE = 32;

struct LOGFONT {
    int lfHeight = 0;
    int lfWidth = 0;
    int lfEscapement = 0;   // tenths of a degree, counter-clockwise
    int lfOrientation = 0;
    int lfWeight = 0;
    BYTE lfItalic = 0;
    BYTE lfUnderline = 0;
    BYTE lfStrikeOut = 0;
    BYTE lfCharSet = 0;
    BYTE lfOutPrecision = 0;
    BYTE lfClipPrecision = 0;
    BYTE lfQuality = 0;
    BYTE lfPitchAndFamily = 0;
    char lfFaceName[LF_FACESIZE] = {};
};

struct LOGPEN {
    int lopnStyle = PS_SOLID;
    int lopnWidth = 1;
    COLORREF lopnColor = RGB(0, 0, 0);
};
