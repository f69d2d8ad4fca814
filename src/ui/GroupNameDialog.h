#pragma once

#include <QDialog>

class IPrompt;
class QCheckBox;
class QLineEdit;

// "Group name": the name of a new or renamed group; when adding, also "Create a table for this
// group". An empty name is refused and the dialog stays open.
class CGroupNameDialog : public QDialog
{
    Q_OBJECT
public:
    enum EMode
    {
        kAdd,
        kRename,
    };

    CGroupNameDialog(EMode mode, const QString& name, IPrompt& prompt, QWidget* parent = nullptr);

    QString Name() const;
    bool CreateTable() const;

    QLineEdit* NameField() const { return m_name; }
    QCheckBox* CreateTableBox() const { return m_createTable; }

    void accept() override;

private:
    EMode m_mode;
    IPrompt& m_prompt;
    QLineEdit* m_name;
    QCheckBox* m_createTable = nullptr;
};
