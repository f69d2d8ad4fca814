#pragma once

#include "ui/FrameView.h"

class CGroup;
class CGuestListModel;
class QLabel;
class QListView;
class QPushButton;
class QStringListModel;
class QTableView;

// The groups view: the groups in collection order (the order the automatic arrangement seats
// them in), the guests of the selected group with a count line, and add, rename, delete,
// reordering and "Add table for this group...".
class CGroupsView : public CFrameView
{
    Q_OBJECT
public:
    explicit CGroupsView(CNewOrvDoc& doc, QWidget* parent = nullptr);

    int ViewCode() const override;
    bool IsCommandEnabled(ECommand command) const override;
    QString CommandText(ECommand command) const override;
    void RunCommand(ECommand command) override;

    void AddGroup();
    void RenameGroup();
    void DeleteGroup();
    void MoveUp();
    void MoveDown();
    void AddTableForGroup();
    void GoToGuestDetails();

    int SelectedRow() const;
    void SelectRow(int row);
    CGroup* SelectedGroup() const;
    QString GroupsCaption() const;
    QString CountLine() const;
    QListView* GroupsList() const { return m_groups; }
    QTableView* GuestsList() const { return m_guests; }

protected:
    void HandleHint(IDocView* sender, EUpdateHint hint, CRecord* record) override;
    void Refresh(unsigned stale) override;
    void BuildViewMenu(QMenu& menu) override;

private:
    void RefreshGroups();
    void RefreshGuests();
    void UpdateButtons();
    void ShowGroupsMenu(const QPoint& position);
    void ShowGuestsMenu(const QPoint& position);

    QLabel* m_caption;
    QListView* m_groups;
    QStringListModel* m_groupNames;
    QTableView* m_guests;
    CGuestListModel* m_guestModel;
    QLabel* m_countLine;
    QPushButton* m_add;
    QPushButton* m_rename;
    QPushButton* m_delete;
    QPushButton* m_up;
    QPushButton* m_down;
};
