#pragma once

#include "edits/MeetingEdits.h"
#include "ui/FrameView.h"

#include <QDate>
#include <QString>

class CMeeting;
class CMeetingsModel;
class QAction;
class QDateEdit;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableView;

// The meetings view: the meetings in the document's order and, beside them, the selected
// meeting's details in a form, with adding, deleting (with its question), the task list and the
// calendar commands.
//
// The form is bound to one meeting. Typing makes it a pending edit (Save is enabled by it); the
// form is written into its meeting when another row is selected, before a save or close
// (CommitPendingEdit), before a calendar command, and at once when a date is picked. Fields the
// user did not touch keep the meeting's text exactly as stored.
class CMeetingView : public CFrameView
{
    Q_OBJECT
public:
    explicit CMeetingView(CNewOrvDoc& doc, QWidget* parent = nullptr);

    int ViewCode() const override;
    bool IsCommandEnabled(ECommand command) const override;
    void RunCommand(ECommand command) override;
    bool HasPendingEdit() const override { return m_dirty; }
    void CommitPendingEdit() override;
    void OnFrameClosing() override;

    void AddMeeting();
    // Asks first; then the row that took the deleted one's place is selected, or the one above
    // when the last row went, and with no row left the form is emptied.
    void DeleteMeeting();
    void OpenTaskList();
    void AddAppointmentToCalendar();
    void ExportMeetingsToCalendar();
    void ExportTasksToCalendar();

    int SelectedRow() const;
    void SelectRow(int row);
    CMeeting* BoundMeeting() const { return m_meeting; }
    QTableView* List() const { return m_list; }
    CMeetingsModel* Model() const { return m_model; }
    QLineEdit* SubjectField() const { return m_subject; }
    QLineEdit* ContactField() const { return m_contact; }
    QPlainTextEdit* CommentsField() const { return m_comments; }
    QDateEdit* DateField() const { return m_date; }
    QAction* TaskListAction() const { return m_taskListAction; }

protected:
    void HandleHint(IDocView* sender, EUpdateHint hint, CRecord* record) override;
    void Refresh(unsigned stale) override;
    void BuildViewMenu(QMenu& menu) override;

private:
    void OnCurrentRowChanged();
    void Bind(CMeeting* meeting);
    void MarkDirty();
    void OnDatePicked();
    Edits::SMeetingDetails FormDetails() const;
    void UpdateButtons();
    void ShowListMenu(const QPoint& position);
    // A file to write a calendar to, chosen in a save dialog; empty when cancelled.
    QString ChooseCalendarFile(int titleId, int fileNameId);

    CMeetingsModel* m_model;
    QTableView* m_list;
    QGroupBox* m_form;
    QLineEdit* m_subject;
    QLineEdit* m_contact;
    QLineEdit* m_job;
    QLineEdit* m_phone;
    QLineEdit* m_address;
    QPlainTextEdit* m_comments;
    QDateEdit* m_date;
    QPushButton* m_add;
    QPushButton* m_delete;
    QPushButton* m_calendar;
    QPushButton* m_tasks;
    QAction* m_taskListAction;
    QAction* m_calendarAction;
    QAction* m_exportMeetingsAction;
    QAction* m_exportTasksAction;

    CMeeting* m_meeting = nullptr;
    // What the form was filled with: the meeting's values and the form's texts of them.
    Edits::SMeetingDetails m_loaded;
    QString m_loadedTexts[6];
    QDate m_loadedDate;
    bool m_dirty = false;
    bool m_loading = false;
    bool m_rebuilding = false;
};
