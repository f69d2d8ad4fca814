#pragma once

// The hints of the document's update broadcast. Views rebuild what a hint concerns; the object
// that travels with a hint is named beside it. ARCHITECTURE.md lists who sends each hint and what
// every view does with it.
enum EUpdateHint : int
{
    HINT_NONE = 0,
    HINT_GOTO_GUEST = 1,         // guest: show this guest's details
    HINT_GROUPS_CHANGED = 2,     // none: the group list changed
    HINT_GROUP_RENAMED = 3,      // none: a group was renamed
    HINT_GROUP_ADDED = 4,        // group: a group was added
    HINT_RECORD_CHANGED = 5,     // record or none: a record changed, also after a guest's SetTable
    HINT_GUEST_ADDED = 6,        // guest: a guest was added (table lists refresh too)
    HINT_GUEST_CHANGED = 7,      // guest: one guest changed in a view
    HINT_DOLLAR_RATE = 9,        // none: the dollar rate changed
    HINT_TABLE_DELETING = 10,    // table: a table is about to be deleted
    HINT_SELECT_TABLE = 11,      // table: select this table in the other views
    HINT_ADD_TABLE_REQUEST = 12, // none: ask the tables view to add a table
    HINT_TABLE_CREATED = 13,     // table: a table was created
    HINT_ARRANGEMENT_DONE = 14,  // none: automatic arrangement finished; rebuild everything
    HINT_GIFT_CHANGED = 16,      // guest: the guest's gift changed
    HINT_LOCATE_TABLE = 17,      // guest: locate this guest's table
    HINT_EXPENSE_CHANGED = 19,   // expense or none: an expense changed (none: the list's order)
    HINT_EXPENSE_ADDED = 20,     // expense: an expense was added
    HINT_TABLES_REMOVING = 21,   // none: all tables are about to be removed
    HINT_EVENT_RELOADED = 25,    // none: full refresh after a reload
    HINT_EVENT_RELOADING = 26,   // none: every record is about to go; drop all record pointers
    HINT_GUEST_REMOVING = 27,    // guest: this guest is about to leave the list
    HINT_MEETING_ADDED = 40,     // meeting: a meeting was added
    HINT_MEETING_CHANGED = 41,   // meeting: a meeting's details changed
    HINT_MEETING_REMOVING = 42,  // meeting: this meeting is about to leave the list
    HINT_TASKS_CHANGED = 43,     // none: the task tree changed (tasks are not records)
    HINT_EXPENSE_REMOVING = 44,  // expense: this expense is about to leave the list
    HINT_BUDGET_CHANGED = 45,    // offer, category or none: offers, categories or combinations
    HINT_BUDGET_REMOVING = 46,   // offer or category: about to go (a category takes its offers)
    HINT_SHAPE_ADDED = 50,       // shape: a shape was added to the hall layout
    HINT_HALL_OBJECT_CHANGED = 51, // table or shape: its drawing changed; none: several did
    HINT_SHAPE_REMOVING = 52,      // shape: this shape is about to leave the layout
    HINT_SHAPES_REMOVING = 53,     // none: every shape is about to go (a hall draft import)
};
