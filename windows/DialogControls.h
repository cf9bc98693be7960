// The settings dialog's template, caption and control numbers, shared by
// res/Gyrelace.rc and the code that drives the dialog, so plain defines.
#pragma once

#define IDD_SETUP 2003
#define SETUP_CAPTION "Gyrelace Setup - Version 1.10c"

#define IDC_RATE 1002
#define IDC_OBJECT_SIZE 1003
#define IDC_CONNECT_DOTS 1004
#define IDC_CIRCLE 1005
#define IDC_SQUARE 1006
#define IDC_DIAMOND 1007
#define IDC_STAR8 1008
#define IDC_STAR4 1009
#define IDC_TRIANGLE 1010
#define IDC_PYRAMID 1011
#define IDC_STAR6 1012
#define IDC_HIGH 1013
#define IDC_MEDIUM 1014
#define IDC_LOW 1015
#define IDC_ROTATION_NONE 1016
#define IDC_CLOCKWISE 1017
#define IDC_ANTICLOCKWISE 1018
#define IDC_ZOOM_HIGH 1029
#define IDC_ZOOM_MEDIUM 1030
#define IDC_ZOOM_LOW 1031
#define IDC_ZOOM_VERY_HIGH 1032
#define IDC_PHASE1 1033
#define IDC_PHASE2 1034
#define IDC_PHASE4 1035
#define IDC_START_SMALL 1039
#define IDC_START_LARGE 1040
#define IDC_SELECT_ALL 1041
#define IDC_SELECT_NONE 1042
#define IDC_DELAY 1043
