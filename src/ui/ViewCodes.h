#pragma once

// The numeric codes of the views, stored as "LastUIMode" in the event settings. Codes 2, 10 and
// 15 belong to advertising and news panes; the Next/Previous rules run over the whole range.
enum EViewCode : int
{
    VIEW_FIRST_CODE = 2,
    VIEW_GUESTS = 3,
    VIEW_GROUPS = 4,
    VIEW_GIFTS = 5,
    VIEW_EXPENSES = 6,
    VIEW_TABLES = 7,
    VIEW_SEATING = 8,
    VIEW_LAYOUT = 9,
    VIEW_MEETINGS = 11,
    VIEW_PRINTOUTS = 12,
    VIEW_BUDGET = 13,
    VIEW_REAL_TIME = 14,
    VIEW_LAST_CODE = 15,
};
