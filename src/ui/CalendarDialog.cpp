#include "ui/CalendarDialog.h"

#include "platform/Language.h"
#include "ui/DialogButtons.h"
#include "ui/UiText.h"

#include <QCalendarWidget>
#include <QVBoxLayout>

CCalendarDialog::CCalendarDialog(const SDate& date, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(UiText(IDS_CALENDAR_TITLE));
    auto* layout = new QVBoxLayout(this);
    m_calendar = new QCalendarWidget;
    m_calendar->setLocale(QLocale(IsHebrewUi() ? QLocale::Hebrew : QLocale::English,
                                  IsHebrewUi() ? QLocale::Israel : QLocale::UnitedStates));
    m_calendar->setGridVisible(true);
    m_calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    const QDate shown(date.year, date.month, date.day);
    m_calendar->setSelectedDate(shown.isValid() ? shown : QDate::currentDate());
    layout->addWidget(m_calendar);
    auto* buttons = MakeButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_calendar, &QCalendarWidget::activated, this, &QDialog::accept);
    layout->addWidget(buttons);
}

SDate CCalendarDialog::Date() const
{
    const QDate date = m_calendar->selectedDate();
    return SDate(static_cast<short>(date.year()), static_cast<short>(date.month()),
                 static_cast<short>(date.day()));
}
