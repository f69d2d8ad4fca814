#include "ui/PlanFiles.h"

#include "platform/Prompt.h"
#include "store/NewOrvDoc.h"
#include "ui/ModalSeam.h"
#include "ui/PlanScene.h"
#include "ui/UiText.h"

#include <QDir>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>

void TranslateFileDialog(QFileDialog& dialog, int acceptTextId)
{
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setLabelText(QFileDialog::LookIn, UiText(IDS_FILE_DIALOG_LOOK_IN));
    dialog.setLabelText(QFileDialog::FileName, UiText(IDS_FILE_DIALOG_FILE_NAME));
    dialog.setLabelText(QFileDialog::FileType, UiText(IDS_FILE_DIALOG_FILE_TYPE));
    dialog.setLabelText(QFileDialog::Accept, UiText(acceptTextId));
    dialog.setLabelText(QFileDialog::Reject, UiText(IDS_BUTTON_CANCEL));
}

QString ChoosePlanFile(QWidget* parent, int titleId, int fileNameId)
{
    QFileDialog dialog(parent, UiText(titleId).remove(QStringLiteral(" ...")));
    TranslateFileDialog(dialog, IDS_TOOLBAR_SAVE);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    const QStringList filters = {UiText(IDS_PLAN_PDF_FILTER), UiText(IDS_PLAN_PNG_FILTER)};
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog, filters](const QString& filter)
                     {
                         dialog.setDefaultSuffix(filter == filters.value(1)
                                                     ? QStringLiteral("png")
                                                     : QStringLiteral("pdf"));
                     });
    dialog.selectFile(QDir::home().filePath(UiText(fileNameId)));
    if (CModalSeam::Exec(dialog) != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

bool ExportPlanFile(CPlanScene& scene, const QString& path)
{
    QString error;
    if (scene.ExportTo(path, &error))
        return true;
    std::string text = FormatText(LoadString(IDS_PLAN_WRITE_FAILED), {FromQt(path)});
    if (!error.isEmpty())
        text += "\r\n" + FromQt(error);
    scene.Document().GetPrompt().Ask(text, LoadString(IDS_PLAN_CAPTION), EButtons::Ok);
    return false;
}

void PrintPlan(CPlanScene& scene, QWidget* parent)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(scene.PlanTitle());
    QPrintDialog dialog(&printer, parent);
    if (CModalSeam::Exec(dialog) != QDialog::Accepted)
        return;
    scene.PaintPages(printer);
}
