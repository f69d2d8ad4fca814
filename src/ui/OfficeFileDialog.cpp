#include "ui/OfficeFileDialog.h"

#include "platform/StringTable.h"
#include "ui/ModalSeam.h"
#include "ui/UiText.h"

#include <QDir>
#include <QFileDialog>

namespace
{
QString Run(QWidget* parent, int titleId, int filterId, const QString& defaultName, bool save,
            const QString& suffix)
{
    QFileDialog dialog(parent, UiText(titleId).remove(QStringLiteral(" ...")));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (!suffix.isEmpty())
        dialog.setDefaultSuffix(suffix);
    dialog.setNameFilters(UiText(filterId).split(QStringLiteral(";;")));
    dialog.setLabelText(QFileDialog::LookIn, UiText(IDS_FILE_DIALOG_LOOK_IN));
    dialog.setLabelText(QFileDialog::FileName, UiText(IDS_FILE_DIALOG_FILE_NAME));
    dialog.setLabelText(QFileDialog::FileType, UiText(IDS_FILE_DIALOG_FILE_TYPE));
    dialog.setLabelText(QFileDialog::Accept, UiText(save ? static_cast<int>(IDS_TOOLBAR_SAVE)
                                                         : static_cast<int>(IDS_OFFICE_FILE_OPEN)));
    dialog.setLabelText(QFileDialog::Reject, UiText(IDS_BUTTON_CANCEL));
    if (!defaultName.isEmpty())
        dialog.selectFile(QDir::home().filePath(defaultName));
    if (CModalSeam::Exec(dialog) != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}
} // namespace

QString ChooseOfficeFileToSave(QWidget* parent, int titleId, int filterId,
                               const QString& defaultName, const QString& suffix)
{
    return Run(parent, titleId, filterId, defaultName, true, suffix);
}

QString ChooseOfficeFileToOpen(QWidget* parent, int titleId, int filterId,
                               const QString& defaultName)
{
    return Run(parent, titleId, filterId, defaultName, false, {});
}
