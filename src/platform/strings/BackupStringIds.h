#pragma once

// The texts of backups, restores, exports and imports of an event and of the list of guests
// without an answer (strings/BackupStrings.cpp).
enum BackupStringId : int
{
    // "Backup and Restore Data"
    IDS_BACKUP_DIALOG_TITLE = 66000,
    IDS_BACKUP_DIALOG_TEXT = 66001,
    IDS_BACKUP_RESTORE_BUTTON = 66002,
    IDS_BACKUP_DATA_LOCATION = 66003,
    IDS_BACKUP_CAPTION = 66004,
    IDS_BACKUP_FAILED = 66005,
    IDS_BACKUP_COPY_FAILED = 66006,

    // Restore and import
    IDS_RESTORE_CAPTION = 66010,
    IDS_RESTORE_QUESTION = 66011,
    IDS_RESTORE_FAILED = 66012,
    IDS_RESTORE_READ_ONLY = 66013,
    IDS_IMPORT_CAPTION = 66014,
    IDS_IMPORT_QUESTION = 66015,
    IDS_IMPORT_NO_DATA = 66016,
    IDS_IMPORT_FOLDER_TITLE = 66017,
    IDS_RESTORE_NOT_SAVED = 66018,
    IDS_RESTORE_FAILED_PLAIN = 66019,

    // Exports
    IDS_EXPORT_MAIL_HANDED_OVER = 66020,

    // The list of guests without an answer
    IDS_MENU_UNANSWERED_CSV = 66030,
    IDS_CSV_CAPTION = 66031,
    IDS_CSV_FILTER = 66032,
    IDS_CSV_NOBODY = 66033,
    IDS_CSV_WRITTEN = 66034,
    IDS_CSV_FAILED = 66035,

    // Options
    IDS_OPTIONS_KEEP_BACKUPS = 66040,
    IDS_OPTIONS_KEEP_BACKUPS_SUFFIX = 66041,
};
