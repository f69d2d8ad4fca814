#pragma once

// The online services' texts (strings/OnlineStrings.cpp): the approval mails, the approvals
// dialog and the notices of the update check the user asked for. Keep sorted by number.
enum OnlineStringId : int
{
    // Approval request mails: the English edition's subject names no event and its page takes
    // no verification number; the Hebrew edition's subject begins with the event name
    IDS_APPROVAL_MAIL_SUBJECT = 71000,
    IDS_APPROVAL_MAIL_EVENT_CODE = 71001,
    IDS_APPROVAL_MAIL_GUEST_CODE = 71002,
    IDS_APPROVAL_MAIL_VERIFICATION = 71003,
    IDS_APPROVAL_MAIL_SUBJECT_WITH_EVENT = 71004,

    // Approvals From Web Site dialog
    IDS_APPROVALS_TITLE = 71010,
    IDS_APPROVALS_EXPLANATION = 71011,
    IDS_APPROVALS_APPROVED_LABEL = 71012,
    IDS_APPROVALS_CANCELED_LABEL = 71013,
    IDS_APPROVALS_UPDATE_BUTTON = 71014,
    IDS_APPROVALS_COLUMN_GUEST = 71015,
    IDS_APPROVALS_COLUMN_CODE = 71016,
    IDS_APPROVALS_COLUMN_COMING = 71017,
    IDS_APPROVALS_COLUMN_NOW = 71018,
    IDS_APPROVALS_NOW_FORMAT = 71019,

    // The Help menu's update check
    IDS_UPDATE_CHECK_CAPTION = 71020,
    IDS_UPDATE_LATEST_TEXT = 71021,
    IDS_UPDATE_FAILED_TEXT = 71022,
};
