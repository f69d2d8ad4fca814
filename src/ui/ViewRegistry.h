#pragma once

#include <QKeySequence>
#include <functional>
#include <vector>

class CFrameView;
class CNewOrvDoc;

// One view the frame can show: its code, bar caption, View menu entry, accelerator, the modes it
// exists in and how to build it. Views join the program by adding their entry to
// RegisteredViews(), in the order of the bar.
struct SViewInfo
{
    int code;
    int captionId;  // bar caption (string id)
    int menuTextId; // "&View" menu entry (string id); 0: none
    const char* icon;
    QKeySequence shortcut;
    bool regularMode;
    bool realTimeMode;
    std::function<CFrameView*(CNewOrvDoc& doc)> create;
};

const std::vector<SViewInfo>& RegisteredViews();
