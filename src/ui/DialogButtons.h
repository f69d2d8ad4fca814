#pragma once

#include <QDialogButtonBox>

class QMessageBox;

// Button boxes with the captions of the string table, so the Hebrew interface never shows
// English button texts (Qt's own texts would need its translation files).
QDialogButtonBox* MakeButtonBox(QDialogButtonBox::StandardButtons buttons,
                                QWidget* parent = nullptr);
void TranslateButtons(QDialogButtonBox& box);
void TranslateButtons(QMessageBox& box);

// The date format of the interface: day.month.year in Hebrew, month.day.year in English.
QString UiDateFormat();
