// Resource identifiers: one header for the resource script and the code.
#pragma once

// Dialog templates of the six pages.
#define IDD_MONTHBYMONTH   107
#define IDD_ABOUT          108
#define IDD_STOPWATCH      109
#define IDD_HOLIDAYS       110
#define IDD_EVENTS         111
#define IDD_COUNTDOWN      112

// Bitmap, icons and the tray menu.
#define IDB_CALENDAR       130
#define IDI_MAINICON       132
#define IDI_SMALLICON      184
#define IDI_DAY_BASE       150  // IDI_DAY_BASE + d for the d-th day, 151..181
#define IDR_TRAYMENU       140

// Tray menu commands.
#define ID_TRAY_EXIT          142
#define ID_TRAY_HIDE          143
#define ID_TRAY_OPEN          144
#define ID_TRAY_STOPWATCH     145
#define ID_TRAY_MONTHBYMONTH  146
#define ID_TRAY_ABOUT         147
#define ID_TRAY_HOLIDAYS      148
#define ID_TRAY_EVENTS        149
#define ID_TRAY_COUNTDOWN     151

// Month by Month page controls.
#define IDC_MBM_STARTCAL      1000
#define IDC_MBM_ENDCAL        1001
#define IDC_MBM_RESET         1008
#define IDC_MBM_TODAY         1014
#define IDC_MBM_UNIT          1018
#define IDC_MBM_AMOUNT        1019
#define IDC_MBM_LOCK          1021
#define IDC_MBM_START         1023
#define IDC_MBM_END           1024
#define IDC_MBM_CALC          1026
#define IDC_MBM_DAYS          1027
#define IDC_MBM_WEEKDAYS      1029
#define IDC_MBM_WEEKS         1030
#define IDC_MBM_BUSINESSDAYS  1031

// The location field shared by the list pages.
#define IDC_LIST_LOCATION     1032
