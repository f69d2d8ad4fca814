#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

// "Add guest that does not apear in the list": "Name:" and "Last name:" of a walk-in guest. OK
// waits for at least one name, so the desk never adds a line nobody can find again.
class CWalkInGuestDialog : public QDialog
{
    Q_OBJECT
public:
    explicit CWalkInGuestDialog(QWidget* parent = nullptr);

    QString FirstName() const;
    QString FamilyName() const;
    QLineEdit* FirstNameField() const { return m_firstName; }
    QLineEdit* FamilyNameField() const { return m_familyName; }

    // Refused while both names are empty.
    void accept() override;

private:
    QLineEdit* m_firstName;
    QLineEdit* m_familyName;
    QPushButton* m_ok;
};
