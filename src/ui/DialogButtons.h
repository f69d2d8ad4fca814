#pragma once

#include <QDialogButtonBox>

class QDialog;
class QMessageBox;
class QPushButton;
class QRadioButton;
class QVBoxLayout;

// Button boxes with the captions of the string table, so the Hebrew interface never shows
// English button texts (Qt's own texts would need its translation files).
QDialogButtonBox* MakeButtonBox(QDialogButtonBox::StandardButtons buttons,
                                QWidget* parent = nullptr);
void TranslateButtons(QDialogButtonBox& box);
void TranslateButtons(QMessageBox& box);

// The date format of the interface: day.month.year in Hebrew, month.day.year in English.
QString UiDateFormat();

// The lower part every search dialog shares: the direction box (forwards or backwards, the one
// given checked) and "Find Next" (the default, accepting) with Cancel, added to layout.
struct SSearchControls
{
    QRadioButton* forwards;
    QRadioButton* backwards;
    QPushButton* find;
};
SSearchControls AddSearchControls(QDialog& dialog, QVBoxLayout& layout, bool backwards);
