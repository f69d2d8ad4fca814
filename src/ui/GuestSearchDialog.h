#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;
class QRadioButton;

// "Search" for a guest: a first-name text, a family-name text and the direction. A guest matches
// when each text that is filled in occurs in its field, regardless of letter case. "Find Next"
// stays disabled while both texts are empty.
class CGuestSearchDialog : public QDialog
{
    Q_OBJECT
public:
    CGuestSearchDialog(const QString& firstName, const QString& familyName, bool backwards,
                       QWidget* parent = nullptr);

    QString FirstName() const;
    QString FamilyName() const;
    bool Backwards() const;

    QLineEdit* FirstNameField() const { return m_firstName; }
    QLineEdit* FamilyNameField() const { return m_familyName; }
    QRadioButton* BackwardsButton() const { return m_backwards; }

    // The rule the dialog describes, for one guest's names.
    static bool Matches(const QString& firstNameText, const QString& familyNameText,
                        const QString& firstName, const QString& familyName);

private:
    void UpdateFindButton();

    QLineEdit* m_firstName;
    QLineEdit* m_familyName;
    QRadioButton* m_forwards;
    QRadioButton* m_backwards;
    QPushButton* m_find;
};
