#pragma once

#include <QString>

class QWidget;

// The file dialogs of the office hand-over (Qt's own dialog, so its texts come from the string
// table in both languages; run through CModalSeam). filterId: a string of Qt name filters
// separated by ";;". Returns the chosen file, or an empty text on Cancel.
QString ChooseOfficeFileToSave(QWidget* parent, int titleId, int filterId,
                               const QString& defaultName, const QString& suffix);
QString ChooseOfficeFileToOpen(QWidget* parent, int titleId, int filterId,
                               const QString& defaultName);
