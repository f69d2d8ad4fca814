#include "ui/ShapeDetailsDialog.h"

#include "seating/HallLayout.h"
#include "ui/DialogButtons.h"
#include "ui/ModalSeam.h"
#include "ui/PlanScene.h"
#include "ui/UiText.h"
#include "ui/ViewWidgets.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

namespace
{
// Colours offered at a click (0x00BBGGRR): the light grey of new shapes, white and soft colours
// that keep black text readable, and two darker ones.
constexpr int kSwatches[] = {0xE1E1E1, 0xFFFFFF, 0xB3DEF5, 0xC8F0FF, 0xD4F5D4, 0xF5E6C8,
                             0xE6D2FA, 0xC8C8FF, 0x9AD2FF, 0x80B080, 0x804020, 0x404040};
constexpr int kMaxSize = 5000;

QIcon SwatchIcon(const QColor& colour, int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(colour);
    return QIcon(pixmap);
}
} // namespace

CShapeDetailsDialog::CShapeDetailsDialog(EMode mode, const Edits::SShapeDetails& details,
                                         QWidget* parent)
    : QDialog(parent), m_colour(details.colour), m_details(details)
{
    setWindowTitle(UiText(IDS_OBJECT_DETAIL_TITLE));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;

    m_text = MakeTextBox();
    m_text->setPlainText(ToQt(details.name).remove(QLatin1Char('\r')));
    m_text->setTabChangesFocus(true);
    m_text->setFixedHeight(m_text->fontMetrics().lineSpacing() * 4 + 12);
    form->addRow(UiText(IDS_OBJECT_DETAIL_TEXT), m_text);

    if (mode == kEdit)
    {
        m_width = new QSpinBox;
        m_width->setRange(CHallLayout::kMinObjectSize, std::max(kMaxSize, details.width));
        m_width->setValue(details.width);
        m_height = new QSpinBox;
        m_height->setRange(CHallLayout::kMinObjectSize, std::max(kMaxSize, details.height));
        m_height->setValue(details.height);
        form->addRow(UiText(IDS_OBJECT_DETAIL_WIDTH), m_width);
        form->addRow(UiText(IDS_OBJECT_DETAIL_HEIGHT), m_height);
    }

    auto* colours = new QHBoxLayout;
    colours->setSpacing(2);
    m_swatches = new QButtonGroup(this);
    m_swatches->setExclusive(true);
    const int iconSize = fontMetrics().height();
    int index = 0;
    for (const int colour : kSwatches)
    {
        auto* swatch = new QToolButton;
        swatch->setCheckable(true);
        swatch->setIcon(SwatchIcon(FromWindowsColour(colour), iconSize));
        swatch->setIconSize(QSize(iconSize, iconSize));
        swatch->setAutoRaise(true);
        m_swatches->addButton(swatch, index++);
        colours->addWidget(swatch);
    }
    m_other = new QToolButton;
    m_other->setText(UiText(IDS_OBJECT_DETAIL_CHOOSE_COLOUR));
    m_other->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_other->setIconSize(QSize(iconSize, iconSize));
    colours->addWidget(m_other);
    colours->addStretch();
    form->addRow(UiText(IDS_OBJECT_DETAIL_COLOUR), colours);

    m_class = new QComboBox;
    m_class->setEditable(true);
    for (const int id : CHallLayout::ObjectClassIds())
        m_class->addItem(UiText(id));
    m_class->setCurrentText(ToQt(details.shapeClass));
    form->addRow(UiText(IDS_OBJECT_DETAIL_CLASS), m_class);
    layout->addLayout(form);

    if (mode == kEdit)
    {
        m_applyToClass = new QCheckBox(UiText(IDS_OBJECT_DETAIL_APPLY_CLASS).trimmed());
        layout->addWidget(m_applyToClass);
    }

    auto* buttons = MakeButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    connect(m_swatches, &QButtonGroup::idClicked, this, &CShapeDetailsDialog::PickSwatch);
    connect(m_other, &QToolButton::clicked, this, &CShapeDetailsDialog::ChooseOtherColour);
    ShowColour();
    setMinimumWidth(420);
    m_text->selectAll();
    m_text->setFocus();
}

Edits::SShapeDetails CShapeDetailsDialog::Details() const
{
    Edits::SShapeDetails details = m_details;
    details.name = FromQt(m_text->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n")));
    if (m_width != nullptr)
        details.width = m_width->value();
    if (m_height != nullptr)
        details.height = m_height->value();
    details.colour = m_colour;
    details.shapeClass = FromQt(m_class->currentText().trimmed());
    return details;
}

bool CShapeDetailsDialog::ApplyToClass() const
{
    return m_applyToClass != nullptr && m_applyToClass->isChecked();
}

int CShapeDetailsDialog::SwatchCount() const
{
    return static_cast<int>(std::size(kSwatches));
}

void CShapeDetailsDialog::PickSwatch(int index)
{
    if (index < 0 || index >= SwatchCount())
        return;
    SetColour(kSwatches[index]);
}

void CShapeDetailsDialog::SetColour(int colour)
{
    m_colour = colour;
    ShowColour();
}

void CShapeDetailsDialog::ShowColour()
{
    int checked = -1;
    for (int i = 0; i < SwatchCount(); ++i)
        if (kSwatches[i] == m_colour)
            checked = i;
    if (checked >= 0)
        m_swatches->button(checked)->setChecked(true);
    else if (QAbstractButton* current = m_swatches->checkedButton())
    {
        m_swatches->setExclusive(false);
        current->setChecked(false);
        m_swatches->setExclusive(true);
    }
    // The button beside the swatches always shows the colour the shape gets.
    m_other->setIcon(SwatchIcon(FromWindowsColour(m_colour), m_other->iconSize().width()));
}

void CShapeDetailsDialog::ChooseOtherColour()
{
    QColorDialog dialog(FromWindowsColour(m_colour), this);
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    for (auto* box : dialog.findChildren<QDialogButtonBox*>())
        TranslateButtons(*box);
    if (CModalSeam::Exec(dialog) == QDialog::Accepted)
        SetColour(ToWindowsColour(dialog.currentColor()));
}
