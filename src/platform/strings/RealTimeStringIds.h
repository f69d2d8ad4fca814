#pragma once

// The numbers of the check-in desk (real-time view), its dialogs and the check-in codes page
// (texts in strings/RealTimeStrings.cpp): 67000 to 67999. The program's historical numbers of the
// desk (59524, 59669, 59673, 59687 to 59689) are in the core area. Keep sorted by number.
enum RealTimeStringId : int
{
    // The desk's screen
    IDS_RT_EXPLANATION = 67000,
    IDS_RT_CATERING_EXPLANATION = 67001,
    IDS_RT_NOT_ARRIVED_ONLY = 67002,
    IDS_RT_ROOM_LEFT_ONLY = 67003,
    IDS_RT_GUESTS_CAPTION = 67004,
    IDS_RT_TABLES_CAPTION = 67005,
    IDS_RT_GUEST_ARRIVED = 67006,
    IDS_RT_ADD_GUEST = 67007,
    IDS_RT_PRINT_CODES = 67008,
    IDS_RT_FILTER_TIP = 67009,

    // The desk's columns
    IDS_RT_COLUMN_FIRST_NAME = 67010,
    IDS_RT_COLUMN_LAST_NAME = 67011,
    IDS_RT_COLUMN_COUNT = 67012,
    IDS_RT_COLUMN_TABLE = 67013,
    IDS_RT_COLUMN_FREE_SEATS = 67014,
    IDS_RT_COLUMN_TABLE_NAME = 67015,
    IDS_RT_COLUMN_PLACE = 67016,

    // The view's menu (beside the frame's "Real Time" menu)
    IDS_RT_MENU_TITLE = 67018,

    // The arrival dialog
    IDS_RT_ARRIVAL_TITLE = 67020,
    IDS_RT_ARRIVAL_COUNT_LABEL = 67021,

    // The table choice
    IDS_RT_CHOOSE_TABLE_TITLE = 67030,
    IDS_RT_CHOOSE_TABLE_TEXT = 67031,

    // Walk-in guests
    IDS_RT_ADD_GUEST_TITLE = 67040,
    IDS_RT_ADD_GUEST_NAME_LABEL = 67041,

    // Scanned check-in codes
    IDS_RT_UNKNOWN_CODE = 67050,
    IDS_RT_ALREADY_ARRIVED = 67051,

    // The check-in codes page
    IDS_RT_CODE_TABLE = 67060,
    IDS_RT_CODE_TABLE_NAME_ONLY = 67061,
    IDS_RT_CODE_NO_TABLE = 67062,
    IDS_RT_CODES_FILE_NAME = 67063,
    IDS_RT_PDF_FILE_FILTER = 67064,
    IDS_RT_CODES_NOTHING = 67065,
    IDS_RT_CODES_WRITE_FAILED = 67066,
    IDS_RT_CODES_PAGE_TITLE = 67067,
};
