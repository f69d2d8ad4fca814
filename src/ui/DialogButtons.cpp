#include "ui/DialogButtons.h"

#include "platform/Language.h"
#include "ui/UiText.h"

#include <QAbstractButton>
#include <QDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

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

SSearchControls AddSearchControls(QDialog& dialog, QVBoxLayout& layout, bool backwards)
{
    SSearchControls controls;
    auto* direction = new QGroupBox(UiText(IDS_SEARCH_DIRECTION));
    auto* directions = new QHBoxLayout(direction);
    controls.forwards = new QRadioButton(UiText(IDS_SEARCH_FORWARDS));
    controls.backwards = new QRadioButton(UiText(IDS_SEARCH_BACKWARDS));
    (backwards ? controls.backwards : controls.forwards)->setChecked(true);
    directions->addWidget(controls.forwards);
    directions->addWidget(controls.backwards);
    directions->addStretch();
    layout.addWidget(direction);

    auto* buttons = MakeButtonBox(QDialogButtonBox::Cancel);
    controls.find = buttons->addButton(UiText(IDS_SEARCH_FIND_NEXT), QDialogButtonBox::AcceptRole);
    controls.find->setDefault(true);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout.addWidget(buttons);
    return controls;
}
