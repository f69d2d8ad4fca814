#include "ui/ViewRegistry.h"

#include "platform/StringIds.h"
#include "ui/GanDesignView.h"
#include "ui/GrapicTablesView.h"
#include "ui/GroupsView.h"
#include "ui/GuestsView.h"
#include "ui/MeetingView.h"
#include "ui/TablesView.h"
#include "ui/ViewCodes.h"

const std::vector<SViewInfo>& RegisteredViews()
{
    static const std::vector<SViewInfo> views = {
        {VIEW_GUESTS, IDS_VIEW_GUESTS, IDS_MENU_VIEW_GUESTS, "system-users",
         QKeySequence(Qt::CTRL | Qt::Key_1), true, true,
         [](CNewOrvDoc& doc) { return new CGuestsView(doc); }},
        {VIEW_GROUPS, IDS_VIEW_GROUPS, IDS_MENU_VIEW_GROUPS, "view-groups",
         QKeySequence(Qt::CTRL | Qt::Key_2), true, false,
         [](CNewOrvDoc& doc) { return new CGroupsView(doc); }},
        {VIEW_TABLES, IDS_VIEW_TABLES, IDS_MENU_VIEW_TABLES, "view-tables",
         QKeySequence(Qt::CTRL | Qt::Key_5), true, false,
         [](CNewOrvDoc& doc) { return new CTablesView(doc); }},
        {VIEW_SEATING, IDS_VIEW_SEATING, IDS_MENU_VIEW_SEAT_ARRANGEMENT, "view-seating",
         QKeySequence(Qt::CTRL | Qt::Key_6), true, true,
         [](CNewOrvDoc& doc) { return new CGrapicTablesView(doc); }},
        {VIEW_LAYOUT, IDS_VIEW_LAYOUT, IDS_MENU_VIEW_HALL_LAYOUT, "view-hall",
         QKeySequence(Qt::CTRL | Qt::Key_7), true, true,
         [](CNewOrvDoc& doc) { return new CGanDesignView(doc); }},
        {VIEW_MEETINGS, IDS_VIEW_MEETINGS, IDS_MENU_VIEW_MEETINGS, "view-calendar",
         QKeySequence(Qt::CTRL | Qt::Key_8), true, false,
         [](CNewOrvDoc& doc) { return new CMeetingView(doc); }},
    };
    return views;
}
