#include "ui/DialogButtons.h"

#include "platform/Language.h"
#include "ui/UiText.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>

namespace
{
struct SCaption
{
    int button; // a QDialogButtonBox / QMessageBox standard button (same values)
    int stringId;
};

const SCaption kCaptions[] = {
    {QDialogButtonBox::Ok, IDS_BUTTON_OK},
    {QDialogButtonBox::Cancel, IDS_BUTTON_CANCEL},
    {QDialogButtonBox::Close, IDS_BUTTON_CLOSE},
    {QDialogButtonBox::Yes, IDS_YES},
    {QDialogButtonBox::No, IDS_NO},
};
} // namespace

QDialogButtonBox* MakeButtonBox(QDialogButtonBox::StandardButtons buttons, QWidget* parent)
{
    auto* box = new QDialogButtonBox(buttons, parent);
    TranslateButtons(*box);
    return box;
}

void TranslateButtons(QDialogButtonBox& box)
{
    for (const SCaption& caption : kCaptions)
        if (QPushButton* button =
                box.button(static_cast<QDialogButtonBox::StandardButton>(caption.button)))
            button->setText(UiText(caption.stringId));
}

void TranslateButtons(QMessageBox& box)
{
    for (const SCaption& caption : kCaptions)
        if (QAbstractButton* button =
                box.button(static_cast<QMessageBox::StandardButton>(caption.button)))
            button->setText(UiText(caption.stringId));
}

QString UiDateFormat()
{
    return IsHebrewUi() ? QStringLiteral("dd.MM.yyyy") : QStringLiteral("MM.dd.yyyy");
}
