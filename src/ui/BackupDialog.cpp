#include "ui/BackupDialog.h"

#include "store/EventBackup.h"
#include "store/NewOrvDoc.h"
#include "store/ProgramFolders.h"
#include "ui/BackupListModel.h"
#include "ui/DialogButtons.h"
#include "ui/UiText.h"
#include "ui/ViewWidgets.h"
#include "ui/WaitCursor.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

CBackupDialog::CBackupDialog(CNewOrvDoc& doc, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(UiText(IDS_BACKUP_DIALOG_TITLE));
    auto* layout = new QVBoxLayout(this);
    auto* text = new QLabel(UiText(IDS_BACKUP_DIALOG_TEXT));
    text->setWordWrap(true);
    layout->addWidget(text);

    // The path reads left to right in both languages.
    const std::filesystem::path root = doc.GetFolders().DataRoot() / "BackUp";
    auto* location = new QLineEdit(ToQt(root.string()));
    location->setReadOnly(true);
    location->setLayoutDirection(Qt::LeftToRight);
    location->setObjectName(QStringLiteral("DataLocation"));
    auto* form = new QFormLayout;
    form->addRow(UiText(IDS_BACKUP_DATA_LOCATION), location);
    layout->addLayout(form);

    m_model = new CBackupListModel(this);
    {
        CWaitCursor wait;
        m_model->SetBackups(ListBackups(root));
    }
    m_list = MakeRecordList("BackupList", m_model);
    m_list->horizontalHeader()->setSectionResizeMode(CBackupListModel::kColumnMark,
                                                     QHeaderView::ResizeToContents);
    m_list->resizeColumnsToContents();
    m_list->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(m_list, 1);

    auto* buttons = MakeButtonBox(QDialogButtonBox::Close);
    m_restore = buttons->addButton(UiText(IDS_BACKUP_RESTORE_BUTTON), QDialogButtonBox::ActionRole);
    m_restore->setObjectName(QStringLiteral("Restore"));
    m_restore->setEnabled(false);
    connect(m_restore, &QPushButton::clicked, this, &CBackupDialog::RestoreSelected);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_list->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current)
            { m_restore->setEnabled(m_model->BackupAt(current.row()) != nullptr); });
    connect(m_list, &QTableView::doubleClicked, this, &CBackupDialog::RestoreSelected);
    layout->addWidget(buttons);

    resize(640, 420);
    m_list->setFocus();
}

void CBackupDialog::RestoreSelected()
{
    const SBackupInfo* backup = m_model->BackupAt(m_list->currentIndex().row());
    if (backup == nullptr)
        return;
    m_chosen = backup->path;
    accept();
}
