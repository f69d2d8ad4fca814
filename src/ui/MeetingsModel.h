#pragma once

#include "ui/DocModel.h"

#include <vector>

class CMeeting;
class CNewOrvDoc;

// The meetings list: one row per meeting in the document's order (date order after a load), with
// a narrow first column that shows the meeting's calendar colour, "Subject" and "Date" (in the
// interface's order of day and month).
//
// The rows are a snapshot of meeting pointers: Rebuild() reads the document again and RefreshRow
// one meeting's texts. A meeting's row goes on HINT_MEETING_REMOVING, before the meeting does, and
// every row on HINT_EVENT_RELOADING.
class CMeetingsModel : public CDocModel
{
    Q_OBJECT
public:
    enum EColumn
    {
        kColumnMark,
        kColumnSubject,
        kColumnDate,
        kColumnCount,
    };

    explicit CMeetingsModel(CNewOrvDoc& doc, QObject* parent = nullptr);

    void Rebuild();
    // Shows the meeting's current subject and date.
    void RefreshRow(const CMeeting* meeting);

    // Null for a row out of range.
    CMeeting* MeetingAt(int row) const;
    // -1 for a meeting without a row.
    int RowOf(const CMeeting* meeting) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

protected:
    void DropRecords(EUpdateHint hint, CRecord* record) override;
    void DropRemovedRecord(EUpdateHint hint, CRecord* record) override;

private:
    std::vector<CMeeting*> m_meetings;
};
