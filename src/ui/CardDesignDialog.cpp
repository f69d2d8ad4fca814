#include "ui/CardDesignDialog.h"

#include "platform/Language.h"
#include "platform/NumberText.h"
#include "platform/TextEncoding.h"
#include "reports/ReportFiles.h"
#include "reports/ReportWriter.h"
#include "ui/DialogButtons.h"
#include "ui/ModalSeam.h"
#include "ui/UiText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <fstream>
#include <sstream>

CCardDesignDialog::CCardDesignDialog(const SCardDesign& design, std::filesystem::path previewFile,
                                     QWidget* parent)
    : QDialog(parent), m_design(design), m_previewFile(std::move(previewFile))
{
    setWindowTitle(UiText(design.addressCard ? IDS_CARD_ADDRESS_TITLE : IDS_CARD_TABLE_TITLE));
    auto* layout = new QHBoxLayout;
    auto* form = new QFormLayout;
    const auto line = [this](const std::string& text)
    {
        auto* edit = new QLineEdit(ToQt(text), this);
        connect(edit, &QLineEdit::textChanged, this, &CCardDesignDialog::UpdatePreview);
        return edit;
    };
    m_line1 = line(design.line1);
    m_line2 = line(design.line2);
    form->addRow(UiText(IDS_CARD_LINE1), m_line1);
    form->addRow(UiText(IDS_CARD_LINE2), m_line2);
    if (!design.addressCard)
    {
        m_line4Start = line(design.line4Start);
        m_line4End = line(design.line4End);
        form->addRow(UiText(IDS_CARD_LINE4_START), m_line4Start);
        form->addRow(UiText(IDS_CARD_LINE4_END), m_line4End);
    }
    m_line5 = line(design.line5);
    form->addRow(UiText(IDS_CARD_LINE5), m_line5);

    const auto spin = [this](int minimum, int maximum, int value)
    {
        auto* box = new QSpinBox(this);
        box->setRange(minimum, maximum);
        box->setValue(value);
        box->setSuffix(QStringLiteral(" px"));
        connect(box, qOverload<int>(&QSpinBox::valueChanged), this,
                &CCardDesignDialog::UpdatePreview);
        return box;
    };
    m_width = spin(SCardDesign::kMinWidth, SCardDesign::kMaxWidth, design.width);
    m_height = spin(SCardDesign::kMinHeight, SCardDesign::kMaxHeight, design.height);
    form->addRow(UiText(IDS_CARD_WIDTH), m_width);
    form->addRow(UiText(IDS_CARD_HEIGHT), m_height);

    m_borderSize = new QComboBox(this);
    for (int size = 0; size < SCardDesign::kBorderSizes; ++size)
        m_borderSize->addItem(QString::number(size));
    m_borderSize->setCurrentIndex(
        design.borderSize >= 0 && design.borderSize < SCardDesign::kBorderSizes ? design.borderSize
                                                                                : 1);
    connect(m_borderSize, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &CCardDesignDialog::UpdatePreview);
    form->addRow(UiText(IDS_CARD_BORDER_SIZE), m_borderSize);

    m_borderColour = new QComboBox(this);
    for (const SBorderColour& colour : BorderColours())
        m_borderColour->addItem(UiText(colour.textId), QString::fromLatin1(colour.css));
    const int colour = BorderColourIndex(design.borderColor);
    m_borderColour->setCurrentIndex(colour >= 0 ? colour : BorderColourIndex("black"));
    connect(m_borderColour, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &CCardDesignDialog::UpdatePreview);
    form->addRow(UiText(IDS_CARD_BORDER_COLOUR), m_borderColour);

    m_familyFirst = new QCheckBox(
        UiText(design.addressCard ? IDS_CARD_FAMILY_FIRST_ADDRESS : IDS_CARD_FAMILY_FIRST_TABLE),
        this);
    m_familyFirst->setChecked(design.familyNameFirst);
    form->addRow(m_familyFirst);

    auto* fontRow = new QHBoxLayout;
    auto* fontButton = new QPushButton(UiText(IDS_CARD_CHOOSE_FONT), this);
    fontButton->setObjectName(QStringLiteral("ChooseFont"));
    connect(fontButton, &QPushButton::clicked, this, &CCardDesignDialog::ChooseFont);
    m_fontName = new QLabel(this);
    fontRow->addWidget(fontButton);
    fontRow->addWidget(m_fontName, 1);
    form->addRow(fontRow);
    layout->addLayout(form);

    auto* previewBox = new QVBoxLayout;
    previewBox->addWidget(new QLabel(UiText(IDS_CARD_PREVIEW), this));
    m_preview = new QTextBrowser(this);
    m_preview->setObjectName(QStringLiteral("CardPreview"));
    m_preview->setMinimumSize(440, 320);
    previewBox->addWidget(m_preview, 1);
    layout->addLayout(previewBox, 1);

    auto* outer = new QVBoxLayout(this);
    outer->addLayout(layout, 1);
    auto* buttons = MakeButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    outer->addWidget(buttons);
    m_line1->setFocus();
    UpdatePreview();
}

SCardDesign CCardDesignDialog::Design() const
{
    SCardDesign design = m_design;
    design.line1 = FromQt(m_line1->text());
    design.line2 = FromQt(m_line2->text());
    if (m_line4Start != nullptr)
    {
        design.line4Start = FromQt(m_line4Start->text());
        design.line4End = FromQt(m_line4End->text());
    }
    design.line5 = FromQt(m_line5->text());
    design.width = m_width->value();
    design.height = m_height->value();
    design.borderSize = m_borderSize->currentIndex();
    design.borderColor = FromQt(m_borderColour->currentData().toString());
    design.familyNameFirst = m_familyFirst->isChecked();
    return design;
}

void CCardDesignDialog::ChooseFont()
{
    QFont current(ToQt(m_design.fontFace));
    current.setPointSizeF(m_design.fontSize / 10.0);
    QFontDialog dialog(current, this);
    if (CModalSeam::Exec(dialog) != QDialog::Accepted)
        return;
    const QFont chosen = dialog.selectedFont();
    m_design.fontFace = FromQt(chosen.family());
    if (chosen.pointSizeF() > 0)
        m_design.fontSize = static_cast<int>(chosen.pointSizeF() * 10 + 0.5);
    UpdatePreview();
}

void CCardDesignDialog::UpdatePreview()
{
    const SCardDesign design = Design();
    m_fontName->setText(ToQt(design.fontFace) + QStringLiteral(", ") +
                        QString::number(design.fontSize / 10));
    const std::string html = CReportWriter::CardPreview(design, IsHebrewUi());
    // The preview file is what the page shows, as for every report.
    if (!m_previewFile.empty() && WriteReportFile(m_previewFile, html))
    {
        std::ifstream in(m_previewFile, std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        m_preview->setHtml(ToQt(DecodeFileText(bytes.str())));
        return;
    }
    m_preview->setHtml(ToQt(html));
}
