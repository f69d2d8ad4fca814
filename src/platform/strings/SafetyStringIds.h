#pragma once

// The texts of data safety: special and read-only files, the event lock, a data file changed by
// another program, saves the reader could not read back (strings/SafetyStrings.cpp).
enum SafetyStringId : int
{
    // Files that are left alone
    IDS_FILE_NOT_REGULAR = 73000,
    IDS_FILE_READ_ONLY = 73001,
    IDS_FILE_TOO_LARGE = 73002,
    IDS_FILE_NOT_TEXT = 73003,
    IDS_FILE_UNREADABLE = 73004,

    // The event lock and read-only events
    IDS_EVENT_LOCKED_CAPTION = 73010,
    IDS_EVENT_LOCKED_QUESTION = 73011,
    IDS_EVENT_LOCKED_REFUSED = 73012,
    IDS_LOCK_HOLDER = 73013,
    IDS_LOCK_HOLDER_UNKNOWN = 73014,
    IDS_LOCK_FAILED = 73015,
    IDS_READ_ONLY_TITLE = 73016,
    IDS_READ_ONLY_SAVE_REFUSED = 73017,
    IDS_READ_ONLY_CLOSE_QUESTION = 73018,
    IDS_SETTINGS_LOCK_BUSY = 73019,

    // The data file between load and save
    IDS_DATA_FILE_CHANGED_CAPTION = 73020,
    IDS_DATA_FILE_CHANGED_QUESTION = 73021,
    IDS_DATA_FILE_CHANGED_REFUSED = 73022,
    IDS_DAMAGED_SAVE_QUESTION = 73023,
    IDS_SAVE_UNREADABLE = 73024,
    IDS_LIMIT_FILE_SIZE = 73025,
    IDS_LIMIT_RECORDS = 73026,
    IDS_LIMIT_FIELD = 73027,
    IDS_TABLES_OUT_OF_RANGE = 73028,
};
