#include "ui/ViewRegistry.h"

#include "platform/StringIds.h"
#include "ui/BudgetView.h"
#include "ui/ExpencesView.h"
#include "ui/GanDesignView.h"
#include "ui/GiftsView.h"
#include "ui/GrapicTablesView.h"
#include "ui/GroupsView.h"
#include "ui/GuestsView.h"
#include "ui/MeetingView.h"
#include "ui/PrintsView.h"
#include "ui/RealTimeView.h"
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
        {VIEW_GIFTS, IDS_VIEW_GIFTS, IDS_MENU_VIEW_GIFTS, "view-gifts",
         QKeySequence(Qt::CTRL | Qt::Key_3), true, false,
         [](CNewOrvDoc& doc) { return new CGiftsView(doc); }},
        {VIEW_EXPENSES, IDS_VIEW_EXPENSES, IDS_MENU_VIEW_EXPENSES, "view-expenses",
         QKeySequence(Qt::CTRL | Qt::Key_4), true, false,
         [](CNewOrvDoc& doc) { return new CExpencesView(doc); }},
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
        {VIEW_PRINTOUTS, IDS_VIEW_PRINTOUTS, IDS_MENU_VIEW_PRINTOUTS, "document-print",
         QKeySequence(Qt::CTRL | Qt::Key_9), true, false,
         [](CNewOrvDoc& doc) { return new CPrintsView(doc); }},
        {VIEW_BUDGET, IDS_VIEW_BUDGET, IDS_MENU_VIEW_BUDGET, "view-budget",
         QKeySequence(Qt::CTRL | Qt::Key_0), true, false,
         [](CNewOrvDoc& doc) { return new CBudgetView(doc); }},
        // The check-in desk: real-time mode only, no View menu entry and no accelerator.
        {VIEW_REAL_TIME, IDS_VIEW_REAL_TIME, 0, "view-real-time", QKeySequence(), false, true,
         [](CNewOrvDoc& doc) { return new CRealTimeView(doc); }},
    };
    return views;
}
