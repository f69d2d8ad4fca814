#pragma once

// The program's string numbers. Numbers up to 59999 are the program's historical string numbers;
// 61000 and above number texts that the program shows without a historical number.
// Keep the list sorted by number; every entry has an English and a Hebrew text in StringTable.cpp.
enum StringId : int
{
    IDS_NEW_GUEST = 1,

    IDS_APPROVED = 59404,
    IDS_UNSEATED_GUESTS = 59416,
    IDS_RELATION_BRIDE = 59418,
    IDS_RELATION_GROOM = 59419,
    IDS_RELATION_MUTUAL = 59420,
    IDS_NEW_GROUP = 59426,
    IDS_YES = 59444,
    IDS_NO = 59445,
    IDS_APP_TITLE = 59455,
    IDS_PRODUCT_NAME_FRAME = 59456,
    IDS_NOT_MAPPED = 59459,
    IDS_LANGUAGE_CHANGE_TEXT = 59475,
    IDS_LANGUAGE_CHANGE_CAPTION = 59476,
    IDS_NEW_MEETING = 59490,
    IDS_EXAMPLE_TABLE_NAME = 59509,
    IDS_UNKNOWN = 59555,
    IDS_PARTLY = 59575,
    IDS_NOT_COMING = 59707,
    IDS_MISSING_GUEST_NAME = 59805,
    IDS_TASKS_ROOT = 59808,
    IDS_REALTIME_CHANGE_TEXT = 59835,
    IDS_WEDDING_OF = 59836,
    IDS_PRODUCT_NAME = 59837,
    IDS_EVENT = 59839,

    IDS_FILE_SAVE_FAILED = 61000,
    IDS_FILE_REMOVE_FAILED = 61001,
    IDS_SAVE_CHANGES_PROMPT_TEXT = 61002,
    IDS_SAVE_CHANGES_PROMPT_CAPTION = 61003,
};
