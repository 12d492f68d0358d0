// Resource identifiers: one header for the resource script and the code.
#pragma once

// Dialog templates of the six pages.
#define IDD_MONTHBYMONTH   107
#define IDD_ABOUT          108
#define IDD_STOPWATCH      109
#define IDD_HOLIDAYS       110
#define IDD_EVENTS         111
#define IDD_COUNTDOWN      112
// The chooser of the ready-made holiday lists (Holidays page).
#define IDD_READYMADE      113
// The work week (Month by Month page).
#define IDD_WORKWEEK       114
// A year's working days month by month (Month by Month page).
#define IDD_YEARTABLE      115

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
#define IDC_MBM_WORKWEEK      1058
#define IDC_MBM_INCLUDESTART  1059
#define IDC_MBM_YEARSMONTHSDAYS 1060
#define IDC_MBM_YEARTABLE     1061

// The year table's controls.
#define IDC_YT_LIST           1062
#define IDC_YT_PREVIOUS       1063
#define IDC_YT_NEXT           1064
#define IDC_YT_COPY           1065
#define IDC_YT_SAVE           1066

// The work week's check boxes, from the first day of the user's week.
#define IDC_WW_FIRSTDAY       1070  // .. 1076

// The location field shared by the list pages.
#define IDC_LIST_LOCATION     1032

// Controls shared by the Holidays and Events pages (and the browse button of
// the Countdowns page).
#define IDC_LIST_BROWSE       1033
#define IDC_LIST_NAME         1041
#define IDC_LIST_ADD          1042
#define IDC_LIST_DELETE       1043
#define IDC_LIST_YEARLY       1094

// Holidays page controls.
#define IDC_HOL_CALENDAR      1029
#define IDC_HOL_LOAD          1030
#define IDC_HOL_SAVE          1031
#define IDC_HOL_LIST          1034
#define IDC_HOL_LINK          1035
#define IDC_HOL_READYMADE     1036

// The ready-made lists' chooser.
#define IDC_READY_LIST        1037
#define IDC_READY_NAMES       1038

// Events page controls.
#define IDC_EVT_CALENDAR      1044
#define IDC_EVT_LIST          1045
#define IDC_EVT_SAVE          1046
#define IDC_EVT_LOAD          1047
#define IDC_EVT_LINK          1048

// Countdowns page controls.
#define IDC_CD_UPDATE         1026
#define IDC_CD_DELETE         1043
#define IDC_CD_SAVE           1046
#define IDC_CD_LOAD           1047
#define IDC_CD_LIST           1051
#define IDC_CD_LINK           1052
#define IDC_CD_NAME           1053
#define IDC_CD_ENDDAY         1054
#define IDC_CD_ENDTIME        1055
#define IDC_CD_ADD            1057

// Stopwatch page controls.
#define IDC_SW_STARTSTOP      1003
#define IDC_SW_RESET          1004
#define IDC_SW_DISPLAY        1005
#define IDC_SW_LASTSTART      1023
#define IDC_SW_LASTSTOP       1024
#define IDC_SW_ORIGINALSTART  1025
#define IDC_SW_LOG            1043
#define IDC_SW_SAVELOG        1080

// The reminder check boxes of the Countdowns and Events pages.
#define IDC_CD_NOTIFY         1090
#define IDC_EVT_REMIND        1091
// How many days ahead the Events page's reminder looks, and its arrows.
#define IDC_EVT_AHEAD         1095
#define IDC_EVT_AHEAD_SPIN    1096

// The web row of every list page: allowing web addresses, and where the
// page's web list stands.
#define IDC_LIST_WEB          1092
#define IDC_LIST_STATUS       1093

// About page controls.
#define IDC_ABOUT_NOTICE      1009
#define IDC_ABOUT_SUPPORT     1010
#define IDC_ABOUT_SITE        1011
#define IDC_ABOUT_TEXT        1013
#define IDC_ABOUT_UPDATE      1014
#define IDC_ABOUT_BITMAP      1015
#define IDC_ABOUT_VERSION     1025
#define IDC_ABOUT_NOTE        1064
