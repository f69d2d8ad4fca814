#include "ui/MeetingView.h"

#include "edits/TaskEdits.h"
#include "model/Meeting.h"
#include "store/NewOrvDoc.h"
#include "ui/DialogButtons.h"
#include "ui/MeetingsModel.h"
#include "ui/ModalSeam.h"
#include "ui/TaskListDialog.h"
#include "ui/UiText.h"
#include "ui/ViewCodes.h"
#include "ui/ViewWidgets.h"

#include <QDateEdit>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace
{
// The form's texts in the order of m_loadedTexts.
enum EText
{
    kTextSubject,
    kTextContact,
    kTextJob,
    kTextPhone,
    kTextAddress,
    kTextComments,
};

// A stored text as a field shows it (Qt breaks lines on '\n' alone).
QString FieldText(const std::string& text)
{
    return ToQt(text).remove(QLatin1Char('\r'));
}

// The picker's blank: the earliest day it offers stands for a meeting without a calendar date.
const QDate kNoDate(1900, 1, 1);

QDate ToQDate(const SDate& date)
{
    const QDate value(date.year, date.month, date.day);
    return value.isValid() && value > kNoDate ? value : kNoDate;
}

// The field's text, or the stored one when the field still shows what it was filled with.
std::string FieldValue(const QString& shown, const QString& loaded, const std::string& stored)
{
    return shown == loaded ? stored : FromQt(shown);
}
} // namespace

CMeetingView::CMeetingView(CNewOrvDoc& doc, QWidget* parent) : CFrameView(doc, parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MakeExplanation(IDS_MEETINGS_EXPLANATION));

    auto* columns = new QHBoxLayout;
    layout->addLayout(columns, 1);

    m_model = new CMeetingsModel(doc, this);
    m_list = MakeRecordList("MeetingsList", m_model);
    // The subject takes the room; the mark and the date only what they need.
    QHeaderView* header = m_list->horizontalHeader();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(CMeetingsModel::kColumnMark, QHeaderView::Fixed);
    header->setSectionResizeMode(CMeetingsModel::kColumnSubject, QHeaderView::Stretch);
    header->setSectionResizeMode(CMeetingsModel::kColumnDate, QHeaderView::ResizeToContents);
    m_list->setColumnWidth(CMeetingsModel::kColumnMark, m_list->fontMetrics().height() + 6);
    columns->addWidget(m_list, 3);

    m_form = new QGroupBox(UiText(IDS_MEETINGS_DETAILS));
    auto* formColumn = new QVBoxLayout(m_form);
    auto* form = new QFormLayout;
    formColumn->addLayout(form);
    formColumn->addStretch();
    m_subject = new QLineEdit;
    m_subject->setObjectName(QStringLiteral("MeetingSubject"));
    m_contact = new QLineEdit;
    m_job = new QLineEdit;
    m_phone = new QLineEdit;
    m_address = new QLineEdit;
    m_comments = MakeTextBox();
    m_comments->setTabChangesFocus(true);
    m_comments->setMinimumHeight(m_comments->fontMetrics().lineSpacing() * 5);
    m_comments->setMaximumHeight(m_comments->fontMetrics().lineSpacing() * 12);
    m_date = new QDateEdit;
    m_date->setCalendarPopup(true);
    // Digits and dots read left to right in Hebrew too.
    m_date->setLayoutDirection(Qt::LeftToRight);
    m_date->setDisplayFormat(UiDateFormat());
    m_date->setMinimumDate(kNoDate);
    m_date->setSpecialValueText(UiText(IDS_TABLES_NO_VALUE));
    form->addRow(UiText(IDS_MEETING_SUBJECT_LABEL), m_subject);
    form->addRow(UiLine(IDS_MEETING_CONTACT_LABEL), m_contact);
    form->addRow(UiText(IDS_MEETING_JOB_LABEL), m_job);
    form->addRow(UiText(IDS_MEETING_PHONE_LABEL), m_phone);
    form->addRow(UiText(IDS_MEETING_ADDRESS_LABEL), m_address);
    form->addRow(UiText(IDS_MEETING_COMMENTS_LABEL), m_comments);
    form->addRow(UiText(IDS_MEETING_DATE_LABEL), m_date);
    columns->addWidget(m_form, 2);

    m_add = MakeCommandButton("list-add", IDS_MEETINGS_ADD_BUTTON);
    m_delete = MakeCommandButton("edit-delete", IDS_MEETINGS_DELETE_BUTTON);
    m_calendar = MakeCommandButton("view-calendar", IDS_MEETINGS_CALENDAR_BUTTON);
    m_tasks = MakeCommandButton("view-task", IDS_MEETINGS_TASKS_BUTTON);
    layout->addLayout(MakeButtonRow({m_add, m_delete, m_calendar, m_tasks}));

    // The view's own commands. Ctrl+T is a window shortcut of the view: Qt ignores it while the
    // view is hidden, so it never meets another view's.
    m_taskListAction = new QAction(UiText(IDS_MENU_TASK_LIST), this);
    m_taskListAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    m_taskListAction->setShortcutContext(Qt::WindowShortcut);
    addAction(m_taskListAction);
    m_calendarAction = new QAction(UiText(IDS_MEETINGS_CALENDAR_BUTTON), this);
    m_exportMeetingsAction = new QAction(UiText(IDS_MENU_EXPORT_MEETINGS_ICS), this);
    m_exportTasksAction = new QAction(UiText(IDS_MENU_EXPORT_TASKS_ICS), this);

    connect(m_add, &QPushButton::clicked, this, &CMeetingView::AddMeeting);
    connect(m_delete, &QPushButton::clicked, this, &CMeetingView::DeleteMeeting);
    connect(m_calendar, &QPushButton::clicked, this, &CMeetingView::AddAppointmentToCalendar);
    connect(m_tasks, &QPushButton::clicked, this, &CMeetingView::OpenTaskList);
    connect(m_taskListAction, &QAction::triggered, this, &CMeetingView::OpenTaskList);
    connect(m_calendarAction, &QAction::triggered, this, &CMeetingView::AddAppointmentToCalendar);
    connect(m_exportMeetingsAction, &QAction::triggered, this,
            &CMeetingView::ExportMeetingsToCalendar);
    connect(m_exportTasksAction, &QAction::triggered, this, &CMeetingView::ExportTasksToCalendar);
    connect(m_list->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &CMeetingView::OnCurrentRowChanged);
    connect(m_list, &QWidget::customContextMenuRequested, this, &CMeetingView::ShowListMenu);
    AddDeleteKey(m_list, [this] { DeleteMeeting(); });
    for (QLineEdit* field : {m_subject, m_contact, m_job, m_phone, m_address})
        connect(field, &QLineEdit::textEdited, this, &CMeetingView::MarkDirty);
    connect(m_comments, &QPlainTextEdit::textChanged, this, &CMeetingView::MarkDirty);
    connect(m_date, &QDateEdit::dateChanged, this, &CMeetingView::OnDatePicked);

    Bind(nullptr);
    if (m_model->rowCount() > 0)
        SelectRow(0);
}

int CMeetingView::ViewCode() const
{
    return VIEW_MEETINGS;
}

void CMeetingView::BuildViewMenu(QMenu& menu)
{
    menu.setTitle(UiText(IDS_VIEW_MEETINGS));
    menu.addAction(FrameActions().add);
    menu.addAction(FrameActions().remove);
    menu.addAction(m_taskListAction);
    menu.addSeparator();
    menu.addAction(m_calendarAction);
    menu.addAction(m_exportMeetingsAction);
    menu.addAction(m_exportTasksAction);
}

void CMeetingView::ShowListMenu(const QPoint& position)
{
    QMenu menu(this);
    QAction* calendar = menu.addAction(UiText(IDS_MEETINGS_CALENDAR_BUTTON));
    QAction* remove = menu.addAction(UiText(IDS_MENU_DELETE));
    calendar->setEnabled(m_meeting != nullptr);
    remove->setEnabled(m_meeting != nullptr);
    menu.addSeparator();
    QAction* exportAll = menu.addAction(UiText(IDS_MENU_EXPORT_MEETINGS_ICS));
    QAction* chosen = CModalSeam::ExecMenu(menu, m_list->viewport()->mapToGlobal(position));
    if (chosen == nullptr || !chosen->isEnabled())
        return;
    if (chosen == calendar)
        AddAppointmentToCalendar();
    else if (chosen == remove)
        DeleteMeeting();
    else if (chosen == exportAll)
        ExportMeetingsToCalendar();
}

bool CMeetingView::IsCommandEnabled(ECommand command) const
{
    switch (command)
    {
    case kCommandAdd:
        return true;
    case kCommandDelete:
        return m_meeting != nullptr;
    case kCommandEdit:
    case kCommandSearch:
        return false;
    }
    return false;
}

void CMeetingView::RunCommand(ECommand command)
{
    if (command == kCommandAdd)
        AddMeeting();
    else if (command == kCommandDelete)
        DeleteMeeting();
}

// --- The form ----------------------------------------------------------------------------------

void CMeetingView::Bind(CMeeting* meeting)
{
    m_meeting = meeting;
    m_dirty = false;
    m_loading = true;
    m_loaded = meeting != nullptr ? Edits::DetailsOf(*meeting) : Edits::SMeetingDetails();
    m_loadedTexts[kTextSubject] = FieldText(m_loaded.name);
    m_loadedTexts[kTextContact] = FieldText(m_loaded.contactName);
    m_loadedTexts[kTextJob] = FieldText(m_loaded.contactJob);
    m_loadedTexts[kTextPhone] = FieldText(m_loaded.contactPhone);
    m_loadedTexts[kTextAddress] = FieldText(m_loaded.contactAddress);
    m_loadedTexts[kTextComments] = FieldText(m_loaded.info);
    m_subject->setText(m_loadedTexts[kTextSubject]);
    m_contact->setText(m_loadedTexts[kTextContact]);
    m_job->setText(m_loadedTexts[kTextJob]);
    m_phone->setText(m_loadedTexts[kTextPhone]);
    m_address->setText(m_loadedTexts[kTextAddress]);
    m_comments->setPlainText(m_loadedTexts[kTextComments]);
    m_loadedTexts[kTextComments] = m_comments->toPlainText();
    m_loadedDate = meeting != nullptr ? ToQDate(m_loaded.date) : kNoDate;
    m_date->setDate(m_loadedDate);
    m_loading = false;
    m_form->setEnabled(meeting != nullptr);
    UpdateButtons();
    emit CommandStateChanged();
}

Edits::SMeetingDetails CMeetingView::FormDetails() const
{
    Edits::SMeetingDetails details;
    details.name = FieldValue(m_subject->text(), m_loadedTexts[kTextSubject], m_loaded.name);
    details.contactName =
        FieldValue(m_contact->text(), m_loadedTexts[kTextContact], m_loaded.contactName);
    details.contactJob = FieldValue(m_job->text(), m_loadedTexts[kTextJob], m_loaded.contactJob);
    details.contactPhone =
        FieldValue(m_phone->text(), m_loadedTexts[kTextPhone], m_loaded.contactPhone);
    details.contactAddress =
        FieldValue(m_address->text(), m_loadedTexts[kTextAddress], m_loaded.contactAddress);
    details.info =
        FieldValue(m_comments->toPlainText(), m_loadedTexts[kTextComments], m_loaded.info);
    const QDate picked = m_date->date();
    details.date =
        picked == m_loadedDate || picked <= kNoDate
            ? m_loaded.date
            : SDate(static_cast<short>(picked.year()), static_cast<short>(picked.month()),
                    static_cast<short>(picked.day()));
    return details;
}

void CMeetingView::MarkDirty()
{
    if (m_loading || m_meeting == nullptr || m_dirty)
        return;
    m_dirty = true;
    emit CommandStateChanged();
}

void CMeetingView::OnDatePicked()
{
    if (m_loading || m_meeting == nullptr)
        return;
    m_dirty = true;
    CommitPendingEdit();
}

void CMeetingView::CommitPendingEdit()
{
    if (!m_dirty || m_meeting == nullptr)
        return;
    CMeeting* meeting = m_meeting;
    Edits::SetMeetingDetails(Doc(), meeting, FormDetails(), this);
    m_model->RefreshRow(meeting);
    // The form now shows the stored values; what it showed stays in the fields.
    m_loaded = Edits::DetailsOf(*meeting);
    m_loadedTexts[kTextSubject] = m_subject->text();
    m_loadedTexts[kTextContact] = m_contact->text();
    m_loadedTexts[kTextJob] = m_job->text();
    m_loadedTexts[kTextPhone] = m_phone->text();
    m_loadedTexts[kTextAddress] = m_address->text();
    m_loadedTexts[kTextComments] = m_comments->toPlainText();
    m_loadedDate = m_date->date();
    m_dirty = false;
    emit CommandStateChanged();
}

void CMeetingView::OnFrameClosing()
{
    CommitPendingEdit();
}

// --- Selection ---------------------------------------------------------------------------------

void CMeetingView::OnCurrentRowChanged()
{
    if (m_rebuilding)
        return;
    CMeeting* next = m_model->MeetingAt(SelectedRow());
    if (next == m_meeting)
        return;
    CommitPendingEdit();
    Bind(next);
}

int CMeetingView::SelectedRow() const
{
    const QModelIndex current = m_list->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void CMeetingView::SelectRow(int row)
{
    if (row < 0 || row >= m_model->rowCount())
        return;
    m_list->setCurrentIndex(m_model->index(row, CMeetingsModel::kColumnSubject));
}

void CMeetingView::UpdateButtons()
{
    const bool bound = m_meeting != nullptr;
    m_delete->setEnabled(bound);
    m_calendar->setEnabled(bound);
    m_calendarAction->setEnabled(bound);
}

// --- Commands ----------------------------------------------------------------------------------

void CMeetingView::AddMeeting()
{
    CommitPendingEdit();
    CMeeting* meeting = Edits::AddMeeting(Doc(), this);
    m_rebuilding = true;
    m_model->Rebuild();
    m_rebuilding = false;
    Bind(nullptr);
    SelectRow(m_model->RowOf(meeting));
    m_subject->setFocus();
    m_subject->selectAll();
}

void CMeetingView::DeleteMeeting()
{
    CMeeting* meeting = m_meeting;
    if (meeting == nullptr)
        return;
    const int row = m_model->RowOf(meeting);
    // The list loses the row inside the edit: its selection moves must not touch the form.
    m_rebuilding = true;
    const bool deleted = Edits::DeleteMeetingWithQuestion(Doc(), meeting, this);
    m_rebuilding = false;
    if (!deleted)
        return;
    Bind(nullptr);
    const int count = m_model->rowCount();
    if (count == 0)
    {
        m_list->setCurrentIndex(QModelIndex());
        return;
    }
    SelectRow(row < count ? row : count - 1);
    // The list may already have moved its current row to the one wanted.
    OnCurrentRowChanged();
}

void CMeetingView::OpenTaskList()
{
    CTaskListDialog dialog(Doc(), this);
    CModalSeam::Exec(dialog);
}

void CMeetingView::AddAppointmentToCalendar()
{
    CommitPendingEdit();
    if (m_meeting != nullptr)
        Edits::AddMeetingToCalendar(Doc(), m_meeting, this);
}

QString CMeetingView::ChooseCalendarFile(int titleId, int fileNameId)
{
    QFileDialog dialog(this, UiText(titleId).remove(QStringLiteral(" ...")));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("ics"));
    dialog.setNameFilters({UiText(IDS_CALENDAR_FILE_FILTER), UiText(IDS_ALL_FILES_FILTER)});
    dialog.setLabelText(QFileDialog::LookIn, UiText(IDS_FILE_DIALOG_LOOK_IN));
    dialog.setLabelText(QFileDialog::FileName, UiText(IDS_FILE_DIALOG_FILE_NAME));
    dialog.setLabelText(QFileDialog::FileType, UiText(IDS_FILE_DIALOG_FILE_TYPE));
    dialog.setLabelText(QFileDialog::Accept, UiText(IDS_TOOLBAR_SAVE));
    dialog.setLabelText(QFileDialog::Reject, UiText(IDS_BUTTON_CANCEL));
    dialog.selectFile(QDir::home().filePath(UiText(fileNameId)));
    if (CModalSeam::Exec(dialog) != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

void CMeetingView::ExportMeetingsToCalendar()
{
    CommitPendingEdit();
    const QString file =
        ChooseCalendarFile(IDS_MENU_EXPORT_MEETINGS_ICS, IDS_CALENDAR_MEETINGS_FILE);
    if (!file.isEmpty())
        Edits::ExportMeetingsToCalendar(Doc(), FromQt(file), this);
}

void CMeetingView::ExportTasksToCalendar()
{
    const QString file = ChooseCalendarFile(IDS_MENU_EXPORT_TASKS_ICS, IDS_CALENDAR_TASKS_FILE);
    if (!file.isEmpty())
        Edits::ExportTasksToCalendar(Doc(), FromQt(file));
}

// --- Hints -------------------------------------------------------------------------------------

void CMeetingView::HandleHint(IDocView* sender, EUpdateHint hint, CRecord* record)
{
    switch (hint)
    {
    case HINT_EVENT_RELOADING:
        // The records go right after this; what the form held was offered for saving before.
        m_meeting = nullptr;
        m_dirty = false;
        MarkStale();
        break;
    case HINT_MEETING_REMOVING:
        if (record == m_meeting)
        {
            m_meeting = nullptr;
            m_dirty = false;
        }
        MarkStale();
        break;
    case HINT_MEETING_ADDED:
    case HINT_MEETING_CHANGED:
    case HINT_EVENT_RELOADED:
    case HINT_ARRANGEMENT_DONE:
        if (sender != this)
            MarkStale();
        break;
    default:
        break;
    }
}

void CMeetingView::Refresh(unsigned)
{
    CMeeting* keep = m_meeting;
    m_rebuilding = true;
    m_model->Rebuild();
    m_rebuilding = false;
    int row = m_model->RowOf(keep);
    if (row < 0 && m_model->rowCount() > 0)
        row = 0;
    if (row >= 0)
    {
        m_rebuilding = true;
        SelectRow(row);
        m_rebuilding = false;
    }
    // A form with typing in it stays (its meeting is still there: a removal unbinds it);
    // otherwise it shows the meeting as it now is.
    if (!m_dirty)
        Bind(m_model->MeetingAt(row));
}
