#pragma once

#include "model/Date.h"

#include <QDialog>

class QCalendarWidget;

// The calendar of "Chose Date": a month view on the given date (today when there is none).
class CCalendarDialog : public QDialog
{
    Q_OBJECT
public:
    explicit CCalendarDialog(const SDate& date, QWidget* parent = nullptr);

    SDate Date() const;
    QCalendarWidget* Calendar() const { return m_calendar; }

private:
    QCalendarWidget* m_calendar;
};
