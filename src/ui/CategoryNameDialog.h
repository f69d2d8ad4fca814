#pragma once

#include <QDialog>

class QLineEdit;

// "New Category", also for renaming a category: one name. An empty name is ignored by the caller.
class CCategoryNameDialog : public QDialog
{
    Q_OBJECT
public:
    CCategoryNameDialog(bool renaming, const QString& name, QWidget* parent = nullptr);

    QString Name() const;
    QLineEdit* NameField() const { return m_name; }

private:
    QLineEdit* m_name;
};
