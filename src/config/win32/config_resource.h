#pragma once

// Resource numbers of the configuration dialog, shared by the templates
// (config_dialog.rc) and the code. French templates are the English ones plus 10.

#define IDD_ABOUT 100
#define IDD_CONFIG 150
#define IDD_TEMPORAL_PAGE 151
#define IDD_SPATIAL_PAGE 152
#define IDD_COLOURS_PAGE 153
#define IDD_OTHERS_PAGE 154
#define IDD_FILE_ORDER 155
#define FRENCH_TEMPLATE_OFFSET 10
#define IDD_ABOUT_FR 110
#define IDD_CONFIG_FR 160
#define IDD_TEMPORAL_PAGE_FR 161
#define IDD_SPATIAL_PAGE_FR 162
#define IDD_COLOURS_PAGE_FR 163
#define IDD_OTHERS_PAGE_FR 164
#define IDD_FILE_ORDER_FR 165

// The program icon (also the show window's class icon).
#ifndef IDI_TENUKIRO
#define IDI_TENUKIRO 128
#endif

// Ctrl+A: select every file.
#define IDR_CONFIG_ACCELERATORS 150

// The system-menu item that opens the About box.
#define IDM_ABOUT 16

// Configuration dialog
#define IDC_FILES_GROUP 1000
#define IDC_FILE_LIST 1001
#define IDC_ADD 1002
#define IDC_REMOVE 1003
#define IDC_SELECT_ALL 1004
#define IDC_CHANGE_ORDER 1005
#define IDC_RANDOM_ORDER 1006
#define IDC_PRIORITY 1007
#define IDC_TABS 1008
#define IDC_PREVIEW_FRAME 1009
#define IDC_DEFAULT 1010
#define IDC_VERSION 1011

// Temporal page: five sliders, each with its caption (slider + 10)
#define IDC_SLIDER_FIRST 1040
#define IDC_SLIDER_CAPTION_FIRST 1050

// Spatial page
#define IDC_STONES_GROUP 1060
#define IDC_RADIUS_LABEL 1061
#define IDC_RADIUS_EDIT 1062
#define IDC_RADIUS_SPIN 1063
#define IDC_GRID_GROUP 1064
#define IDC_GRID_CENTER 1065
#define IDC_GRID_RANDOM 1066
#define IDC_GRID_CUSTOM 1067
#define IDC_GRID_X_LABEL 1068
#define IDC_GRID_X_EDIT 1069
#define IDC_GRID_X_SPIN 1070
#define IDC_GRID_Y_LABEL 1071
#define IDC_GRID_Y_EDIT 1072
#define IDC_GRID_Y_SPIN 1073
#define IDC_AREA_GROUP 1074
#define IDC_CUSTOM_WIDTH 1075
#define IDC_WIDTH_EDIT 1076
#define IDC_WIDTH_SPIN 1077
#define IDC_CUSTOM_HEIGHT 1078
#define IDC_HEIGHT_EDIT 1079
#define IDC_HEIGHT_SPIN 1080

// Colours page
#define IDC_3D_EFFECT 1036
#define IDC_RANDOM_COLOURS 1021
#define IDC_CUSTOM_PATTERNS 1029
#define IDC_SCREEN_GROUP 1100
#define IDC_GRID_COLOUR_GROUP 1101
#define IDC_STONES_COLOUR_GROUP 1102
#define IDC_ASSISTANT_GROUP 1103
#define IDC_ASSISTANT_BODY 1104
#define IDC_ASSISTANT_ONOMATOPOEIA 1105
#define IDC_ASSISTANT_INTERN 1106
#define IDC_ASSISTANT_EXTERN 1107
#define IDC_SCREEN_BACKGROUND 1108
#define IDC_SCREEN_TEXT 1109
#define IDC_ASSISTANT_TEXT 1110
#define IDC_ASSISTANT_BALLOON 1111
#define IDC_GRID_LINES 1118
#define IDC_BLACK_STONES 1119
#define IDC_WHITE_STONES 1120
#define IDC_GRID_BACKGROUND 1121

// Others page: ten check boxes in the page's order, then the show on every monitor
#define IDC_SWITCH_FIRST 1130
#define IDC_ALL_SCREENS 1160

// File order dialog
#define IDC_ORDER_LIST 1140
#define IDC_SORT 1141

// About box
#define IDC_ABOUT_ICON 1150
#define IDC_ABOUT_VERSION 1151
