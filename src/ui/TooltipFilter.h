#pragma once

#include <QObject>

// Switches every tooltip of the program off or on (the "ShowTips" option): an application-wide
// event filter that swallows tooltip events while tips are off.
class CTooltipFilter : public QObject
{
    Q_OBJECT
public:
    static void Install(bool showTips);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
