/* Resource ids shared by the .rc files and the code. The .rc compiler understands only #define. */
#pragma once

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

/* Dialog templates */
#define IDD_OXY_MAIN 101
#define IDD_OXY_COMPONENTS 105
#define IDD_OXY_ABOUT 113

/* Icons: the buttons' images and the window icon */
#define IDI_OXY_REPORT 105
#define IDI_OXY_ADD 106
#define IDI_OXY_REMOVE 107
#define IDI_OXY_REMOVE_ALL 108
#define IDI_OXY_OPEN 109
#define IDI_OXY_UPDATE 110
#define IDI_OXY_APP 111
#define IDI_OXY_ABOUT 115

/* Strings */
#define IDS_OXY_MENU_PATH 103
#define IDS_OXY_TIP_ADD 104
#define IDS_OXY_TIP_REMOVE 105
#define IDS_OXY_TIP_REMOVE_ALL 106
#define IDS_OXY_TIP_OPEN 107
#define IDS_OXY_TIP_REPORT 108
#define IDS_OXY_ERROR_CAPTION 109
#define IDS_OXY_TIP_UPDATE 110
#define IDS_OXY_TITLE 111
#define IDS_OXY_TIP_ABOUT 112

/* Column captions, row texts and messages of the dialogs */
#define IDS_OXY_COL_NUMBER 120
#define IDS_OXY_COL_FILE 121
#define IDS_OXY_COL_SAMPLE 122
#define IDS_OXY_COL_MIXTURE 123
#define IDS_OXY_COL_TIME 124
#define IDS_OXY_COL_KIND 125
#define IDS_OXY_COL_METHOD 126
#define IDS_OXY_COL_MASS 127
#define IDS_OXY_COL_COMPONENT 130
#define IDS_OXY_COL_RESULT_MASS 131
#define IDS_OXY_COL_MASS_PERCENT 132
#define IDS_OXY_COL_DELTA 133
#define IDS_OXY_COL_VOLUME 134
#define IDS_OXY_COL_VOLUME_PERCENT 135
#define IDS_OXY_COL_OXYGEN 136
#define IDS_OXY_COL_COMPONENT_NAME 140
#define IDS_OXY_COL_MOLAR_MASS 141
#define IDS_OXY_COL_DENSITY 142
#define IDS_OXY_COL_OXYGEN_ATOMS 143
#define IDS_OXY_TOTAL 145
#define IDS_OXY_ANALYSIS 146
#define IDS_OXY_CALIBRATION 147
#define IDS_OXY_NO_MASS 150
#define IDS_OXY_NO_TABLE_FILE 151
#define IDS_OXY_LEAVE_UNSAVED 152
#define IDS_OXY_LEAVE_CAPTION 153

/* Boxes, captions and placeholders */
#define IDS_OXY_MESSAGE_CAPTION 154
#define IDS_OXY_ENTER_NUMBER 155
#define IDS_OXY_INTERNAL_ERROR 156
#define IDS_OXY_NEW_COMPONENT 160
#define IDS_OXY_AND_MORE 163

/* Chromatograms that did not load: one box for one, a list for several */

/* The components table: what keeps it from being saved */
#define IDS_OXY_CHECK_HEADER 180
#define IDS_OXY_CHECK_ROW 181
#define IDS_OXY_CHECK_NOT_A_NUMBER 184
#define IDS_OXY_CHECK_UNSTORABLE 186
#define IDS_OXY_CHECK_UNREPRESENTABLE 187
#define IDS_OXY_CHECK_SAME_AS_ROW 188

#define IDS_OXY_LOG_NOT_WRITTEN 221
/* Chromatograms whose files do not read, and what the dialog adds to the warning list */
#define IDS_OXY_TICK_FILE_MISSING 231
#define IDS_OXY_TICK_FILE_UNREADABLE 232
/* The components dialog */
/* The language the module's texts are in: "ru" or "en" */
#define IDS_OXY_LANGUAGE 229

/* Main dialog controls */
#define IDC_OXY_CHROMATOGRAMS 1001
#define IDC_OXY_RESULTS 1002
#define IDC_OXY_COMPONENTS 1003
#define IDC_OXY_DENSITY 1004
#define IDC_OXY_TOTAL_OXYGEN 1006
#define IDC_OXY_STANDARD 1007
#define IDC_OXY_ADD 1016
#define IDC_OXY_REMOVE 1017
#define IDC_OXY_REMOVE_ALL 1018
#define IDC_OXY_OPEN 1020
#define IDC_OXY_REPORT 1023
#define IDC_OXY_UPDATE 1024
#define IDC_OXY_ABOUT 1025
#define IDC_OXY_WARNINGS 1040

/* Components dialog controls */
#define IDC_OXY_ADD_COMPONENT 1028
#define IDC_OXY_COMPONENT_GRID 1034
#define IDC_OXY_REMOVE_COMPONENTS 1035

/* About dialog controls */
#define IDC_OXY_ABOUT_ICON 1009
#define IDC_OXY_ABOUT_VENDOR 1011
#define IDC_OXY_ABOUT_TITLE 1013
#define IDC_OXY_ABOUT_VERSION 1014
#define IDC_OXY_ABOUT_COPYRIGHT 1015
