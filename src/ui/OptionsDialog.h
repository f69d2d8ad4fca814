#pragma once

#include <QDialog>

class CNewOrvDoc;
class QCheckBox;
class QComboBox;
class QSpinBox;

// "Options": the shared settings of AppSettings.ini and the child-serving percentage of the event.
class COptionsDialog : public QDialog
{
    Q_OBJECT
public:
    COptionsDialog(CNewOrvDoc& doc, QWidget* parent = nullptr);

    // Stores every value through the settings' setters.
    void Apply();

    QCheckBox* AutoSave() const { return m_autoSave; }
    QCheckBox* ShowTips() const { return m_showTips; }
    QCheckBox* Backup() const { return m_backup; }
    QComboBox* BackupInterval() const { return m_interval; }
    QSpinBox* ChildServing() const { return m_childServing; }
    QSpinBox* KeepBackups() const { return m_keepBackups; }

private:
    CNewOrvDoc& m_doc;
    QCheckBox* m_autoSave;
    QCheckBox* m_checkUpdates;
    QSpinBox* m_childServing;
    QCheckBox* m_showTips;
    QCheckBox* m_hideInTables;
    QCheckBox* m_hideInGuests;
    QCheckBox* m_backup;
    QComboBox* m_interval;
    QSpinBox* m_keepBackups;
};
