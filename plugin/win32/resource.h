// Resource identifiers of the plug-in.
#pragma once

#define IDD_ERROR_PANEL 2500
#define IDC_ERROR_LIST 36100
#define IDM_COPY_ALL 35701
#define IDM_COPY_SELECTED 35702
#define IDB_RUN 191
#define IDB_ASSIST 192
#define IDB_PROBE 193
#define IDB_REFORMAT 194
#define IDI_RUN 181
#define IDI_ASSIST 182
#define IDI_PROBE 183
#define IDI_REFORMAT 184
