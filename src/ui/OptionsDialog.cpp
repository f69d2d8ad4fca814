#include "ui/OptionsDialog.h"

#include "store/NewOrvDoc.h"
#include "ui/DialogButtons.h"
#include "ui/UiText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

namespace
{
constexpr int kMinutesStep = 5; // the list offers 5 and 10 minutes
constexpr int kMostBackupsKept = 9999;
} // namespace

COptionsDialog::COptionsDialog(CNewOrvDoc& doc, QWidget* parent) : QDialog(parent), m_doc(doc)
{
    setWindowTitle(UiText(IDS_OPTIONS_TITLE));
    const CAppSettings& app = doc.GetAppSettings();
    auto* layout = new QVBoxLayout(this);

    m_autoSave = new QCheckBox(UiText(IDS_OPTIONS_AUTO_SAVE));
    m_autoSave->setChecked(app.GetAutoSaveOnExit());
    m_checkUpdates = new QCheckBox(UiText(IDS_OPTIONS_CHECK_UPDATES));
    m_checkUpdates->setChecked(app.GetCheckForUpdates());
    layout->addWidget(m_autoSave);
    layout->addWidget(m_checkUpdates);

    auto* serving = new QHBoxLayout;
    m_childServing = new QSpinBox;
    m_childServing->setRange(1, 99);
    m_childServing->setValue(qBound(1, static_cast<int>(doc.GetSettings().GetKidsPresent()), 99));
    auto* servingLabel = new QLabel(UiText(IDS_OPTIONS_CHILD_SERVING));
    servingLabel->setBuddy(m_childServing);
    serving->addWidget(servingLabel);
    serving->addWidget(m_childServing);
    serving->addWidget(new QLabel(UiText(IDS_OPTIONS_CHILD_SERVING_PERCENT)));
    serving->addStretch();
    layout->addLayout(serving);

    m_showTips = new QCheckBox(UiText(IDS_OPTIONS_SHOW_TOOLTIPS));
    m_showTips->setChecked(app.GetShowTips());
    m_hideInTables = new QCheckBox(UiText(IDS_OPTIONS_HIDE_NOT_COMING_TABLES));
    m_hideInTables->setChecked(app.GetHideNonComingInTableReport());
    m_hideInGuests = new QCheckBox(UiText(IDS_OPTIONS_HIDE_NOT_COMING_GUESTS));
    m_hideInGuests->setChecked(app.GetHideNonComingInGuestsReport());
    layout->addWidget(m_showTips);
    layout->addWidget(m_hideInTables);
    layout->addWidget(m_hideInGuests);

    auto* backup = new QHBoxLayout;
    m_backup = new QCheckBox(UiText(IDS_OPTIONS_BACKUP_EVERY));
    m_backup->setChecked(app.GetBackupEvery() > 0);
    m_interval = new QComboBox;
    m_interval->addItem(UiText(IDS_OPTIONS_5_MINUTES));
    m_interval->addItem(UiText(IDS_OPTIONS_10_MINUTES));
    m_interval->setCurrentIndex(app.GetBackupEvery() == kMinutesStep ? 0 : 1);
    m_interval->setEnabled(m_backup->isChecked());
    connect(m_backup, &QCheckBox::toggled, m_interval, &QWidget::setEnabled);
    backup->addWidget(m_backup);
    backup->addWidget(m_interval);
    backup->addStretch();
    layout->addLayout(backup);

    auto* keep = new QHBoxLayout;
    m_keepBackups = new QSpinBox;
    m_keepBackups->setRange(0, kMostBackupsKept);
    m_keepBackups->setValue(qBound(0, app.GetKeepBackups(), kMostBackupsKept));
    auto* keepLabel = new QLabel(UiText(IDS_OPTIONS_KEEP_BACKUPS));
    keepLabel->setBuddy(m_keepBackups);
    keep->addWidget(keepLabel);
    keep->addWidget(m_keepBackups);
    keep->addWidget(new QLabel(UiText(IDS_OPTIONS_KEEP_BACKUPS_SUFFIX)));
    keep->addStretch();
    layout->addLayout(keep);

    auto* buttons = MakeButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    m_autoSave->setFocus();
}

void COptionsDialog::Apply()
{
    CAppSettings& app = m_doc.GetAppSettings();
    app.SetAutoSaveOnExit(m_autoSave->isChecked());
    app.SetCheckForUpdates(m_checkUpdates->isChecked());
    app.SetShowTips(m_showTips->isChecked());
    app.SetHideNonComingInTableReport(m_hideInTables->isChecked());
    app.SetHideNonComingInGuestsReport(m_hideInGuests->isChecked());
    app.SetBackupEvery(m_backup->isChecked() ? (m_interval->currentIndex() + 1) * kMinutesStep : 0);
    app.SetKeepBackups(m_keepBackups->value());
    m_doc.GetSettings().SetKidsPresent(static_cast<short>(m_childServing->value()));
}
