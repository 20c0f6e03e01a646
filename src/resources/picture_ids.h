/* The button pictures' BITMAP resources, shared by morvane.rc and the
   program; plain defines, since the resource compiler reads this too. */
#pragma once

#define IDB_NEW_SHEET 101
#define IDB_OPEN_FOLDER 102
#define IDB_RED_CROSS 103
#define IDB_TOOLS 104
#define IDB_HELP_BOOK 105
#define IDB_INFO_DISC 106
#define IDB_PRINTER 107
#define IDB_SHEET_ARROW_RIGHT 108
#define IDB_ARROW_UP 109
#define IDB_ARROW_DOWN 110
/* The maker's logo in the info box. */
#define IDB_LOGO 200
/* Each picture and the logo come in sets for the display scales 100, 125,
   150 and 200 %: set N holds resource ID + N * IDB_SET_STEP. */
#define IDB_SET_STEP 1000
