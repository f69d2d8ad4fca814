#pragma once

#include <QDialog>

class CNewOrvDoc;
class QCheckBox;
class QLineEdit;
class QPlainTextEdit;

// "Task Information": the name and information of a new or changed task; when adding, also "Add
// this task as a child of the selected task". An empty name is refused ("Can not create empty
// task") and the dialog stays open.
class CTaskInfoDialog : public QDialog
{
    Q_OBJECT
public:
    enum EMode
    {
        kAdd,
        kChange,
    };

    CTaskInfoDialog(EMode mode, CNewOrvDoc& doc, const QString& name, const QString& info,
                    QWidget* parent = nullptr);

    QString Name() const;
    QString Info() const;
    bool AsChild() const;

    QLineEdit* NameField() const { return m_name; }
    QPlainTextEdit* InfoField() const { return m_info; }
    // Null when changing a task.
    QCheckBox* AsChildBox() const { return m_asChild; }

    void accept() override;

private:
    CNewOrvDoc& m_doc;
    QLineEdit* m_name;
    QPlainTextEdit* m_info;
    QCheckBox* m_asChild = nullptr;
};
