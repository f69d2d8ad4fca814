#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;
class QRadioButton;

// The gifts view's search: a part of a guest's name and the direction. "Find Next" stays disabled
// while the text is empty.
class CGiftSearchDialog : public QDialog
{
    Q_OBJECT
public:
    CGiftSearchDialog(const QString& text, bool backwards, QWidget* parent = nullptr);

    QString Text() const;
    bool Backwards() const;

    QLineEdit* TextField() const { return m_text; }
    QRadioButton* BackwardsButton() const { return m_backwards; }

private:
    QLineEdit* m_text;
    QRadioButton* m_forwards;
    QRadioButton* m_backwards;
    QPushButton* m_find;
};
