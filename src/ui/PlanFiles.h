#pragma once

#include <QString>

class CPlanScene;
class QFileDialog;
class QWidget;

// The file and printer dialogs of the drawn views, in the interface language.

// Qt's own file dialog with the string table's captions (the accept button's text given).
void TranslateFileDialog(QFileDialog& dialog, int acceptTextId);

// A PDF or PNG file to write a plan to, proposed in the home folder under that name; the filter
// chosen gives the suffix of a name typed without one. Empty when cancelled.
QString ChoosePlanFile(QWidget* parent, int titleId, int fileNameId);

// Writes the plan; tells the user (through the document's prompt) when it cannot be written.
bool ExportPlanFile(CPlanScene& scene, const QString& path);

// The print dialog, then the pages on the printer chosen.
void PrintPlan(CPlanScene& scene, QWidget* parent);
