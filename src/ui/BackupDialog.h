#pragma once

#include <QDialog>
#include <filesystem>

class CBackupListModel;
class CNewOrvDoc;
class QPushButton;
class QTableView;

// "Backup and Restore Data": where the backups are, the list of backups (newest first) and
// "Restore", which ends the dialog with the selected backup. The caller restores it.
class CBackupDialog : public QDialog
{
    Q_OBJECT
public:
    CBackupDialog(CNewOrvDoc& doc, QWidget* parent = nullptr);

    // The backup chosen with "Restore"; empty when none was.
    const std::filesystem::path& ChosenBackup() const { return m_chosen; }

    QTableView* List() const { return m_list; }
    QPushButton* RestoreButton() const { return m_restore; }
    CBackupListModel* Model() const { return m_model; }

    // Ends the dialog with the selected backup (nothing without a selection).
    void RestoreSelected();

private:
    CBackupListModel* m_model;
    QTableView* m_list;
    QPushButton* m_restore;
    std::filesystem::path m_chosen;
};
