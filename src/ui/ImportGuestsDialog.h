#pragma once

#include "office/ImportFile.h"

#include <QDialog>
#include <functional>

class CImportedGuestsModel;
class CNewOrvDoc;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableView;

// "Import Guests and Software Data": choose the source (the "Guests" sheet of a spreadsheet, or
// the guests of another event's WeddingData.xml) and the file, select lines ("Select All", Ctrl
// and Shift for several) and press "Add" (Edits::AddImportedGuests; the dialog stays open for
// more). "Keep each guest's group" off puts every added guest into the group named below it.
class CImportGuestsDialog : public QDialog
{
    Q_OBJECT
public:
    CImportGuestsDialog(CNewOrvDoc& doc, QWidget* parent = nullptr);

    // The third source, the import of a whole event from a folder, belongs to the folder import
    // of the event store; the frame installs it once that exists. Only then does the dialog show
    // the source, whose button calls the hook (the dialog then closes: the event was reloaded).
    // Returns true when an event was imported.
    using FolderImport = std::function<bool(CNewOrvDoc& doc, QWidget* parent)>;
    static void SetFolderImport(FolderImport import);

    // Reads a file of the chosen source and lists its lines (the questions of the reading go
    // through the document's prompt). Also what "Chose EXCEL file..." runs after the file dialog.
    void LoadFile(const QString& file);
    // Lists the lines as if a file had offered them (the dialog catalogue's sample).
    void SetLines(std::vector<SImportedGuest> lines, const QString& source);

    EImportSource Source() const;
    void SetSource(EImportSource source);
    QTableView* List() const { return m_list; }
    QPushButton* AddButton() const { return m_add; }
    QPushButton* SelectAllButton() const { return m_selectAll; }
    QCheckBox* KeepGroups() const { return m_keepGroups; }
    QLineEdit* GroupName() const { return m_groupName; }
    QLabel* Status() const { return m_status; }

private:
    void ChooseFile();
    void ChooseFolder();
    void AddSelected();
    void UpdateState();

    CNewOrvDoc& m_doc;
    CImportedGuestsModel* m_model;
    QRadioButton* m_spreadsheet;
    QRadioButton* m_dataFile;
    QPushButton* m_choose;
    QLabel* m_file;
    QTableView* m_list;
    QPushButton* m_selectAll;
    QCheckBox* m_keepGroups;
    QLineEdit* m_groupName;
    QPushButton* m_add;
    QLabel* m_status;
};
