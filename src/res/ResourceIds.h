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
