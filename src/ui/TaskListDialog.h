#pragma once

#include <QDialog>

class CNewOrvDoc;
class CTask;
class CTaskTreeModel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTreeView;

// "Tasks Tree": the event's task tree with check boxes, "Add Task", "Delete Task" (a beep on the
// root), "Change Task" (also a double click), and below the tree the selected task's name and
// information, which change the task as the user types. Every change goes into the tree at once
// (the next save writes it), so OK and Cancel both only close the dialog.
class CTaskListDialog : public QDialog
{
    Q_OBJECT
public:
    CTaskListDialog(CNewOrvDoc& doc, QWidget* parent = nullptr);

    void AddTask();
    void DeleteTask();
    void ChangeTask();

    CTask* SelectedTask() const;
    void Select(const CTask* task);

    QTreeView* Tree() const { return m_tree; }
    CTaskTreeModel* Model() const { return m_model; }
    QLineEdit* NameField() const { return m_name; }
    QPlainTextEdit* InfoField() const { return m_info; }

private:
    void ShowSelectedTask();
    void OnNameEdited();
    void OnInfoEdited();

    CNewOrvDoc& m_doc;
    CTaskTreeModel* m_model;
    QTreeView* m_tree;
    QPushButton* m_add;
    QPushButton* m_delete;
    QPushButton* m_change;
    QLineEdit* m_name;
    QPlainTextEdit* m_info;
    bool m_loading = false;
};
