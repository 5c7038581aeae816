// Resource and control ids of the program's dialogs. Shared by the resource
// script and the C++ code, so it holds nothing but #defines.
#pragma once

#define IDD_ABOUTBOX             100
#define IDS_ABOUTBOX             101
#define IDD_MAIN                 102
#define IDR_MAINFRAME            128
#define IDD_OPTIONS              131
#define IDD_QUICKSTART           132
#define IDD_COPY_PROGRESS        133
#define IDD_READ_PROGRESS        134

// The system-menu command of the About item.
#define IDM_ABOUTBOX             0x0010
// The standard Help command that the Help button sends.
#define ID_HELP                  57670

// Main dialog.
#define IDC_SELECT               3
#define IDC_SAMPLE_LIST          1001
#define IDC_SAMPLE               1007
#define IDC_COPY_TO_DEST         1008
#define IDC_LINKS_TO_DEST        1009
#define IDC_CLEAR_SAMPLE         1010
#define IDC_DROP_ON_RIO          1011
#define IDC_EXCLUDE              1012
#define IDC_FULL_PATH            1013
#define IDC_PLAY                 1014
#define IDC_SOURCE_COUNT         1022
#define IDC_ADD_FOLDER           1025
#define IDC_ADD_FOLDER_SUBS      1026
#define IDC_ADD_PLAYLIST         1027
#define IDC_CLEAR_SOURCE         1028
#define IDC_EXTERNAL_MEM         1029
#define IDC_MAX_KB               1030
#define IDC_SAMPLE_TOTALS        1031
#define IDC_RESAMPLE             1032
#define IDC_OPTIONS              1033
#define IDC_LOAD_SOURCE          1034
#define IDC_SOURCE_FOLDERS       1035
#define IDC_DELETE_DEST_FILES    1040
#define IDC_DEST                 1041
#define IDC_BROWSE_DEST          1042
#define IDC_STATUS               1060

// Quick start box.
#define IDC_SHOW_AT_START        1043

// "Copying ..." window.
#define IDC_COPY_PATH            1044
#define IDC_COPY_COUNT           1061

// "Reading ..." window.
#define IDC_READ_SOURCE          1052
#define IDC_READ_COUNT           1053

// Options dialog.
#define IDC_OPT_START            1037
#define IDC_OPT_BROWSE           1038
#define IDC_OPT_EXT              1045
#define IDC_OPT_MIN_SIZE         1046
#define IDC_OPT_MAX_SIZE         1047
#define IDC_OPT_ACCESSED         1048
#define IDC_OPT_MODIFIED         1049
#define IDC_SPIN_MODIFIED        1050
#define IDC_SPIN_ACCESSED        1051
#define IDC_OPT_TOP_UP           1054
#define IDC_OPT_FRESH            1058
#define IDC_SPIN_FRESH           1059
#define IDC_OPT_CONVERT          1062
#define IDC_OPT_CONVERT_FORMAT   1063
#define IDC_OPT_CONVERT_KBPS     1064
#define IDC_OPT_CONVERT_NEEDS    1065
