#pragma once

#include <QDialog>

class CEventInfo;
class CNewOrvDoc;
class QListWidget;

// "Select Active Event": the events list with the active one preselected.
class CSelectEventDialog : public QDialog
{
    Q_OBJECT
public:
    CSelectEventDialog(CNewOrvDoc& doc, QWidget* parent = nullptr);

    CEventInfo* ChosenEvent() const;
    QListWidget* List() const { return m_list; }

private:
    CNewOrvDoc& m_doc;
    QListWidget* m_list;
};
