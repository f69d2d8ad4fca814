#include "ui/ImportGuestsDialog.h"

#include "edits/ImportEdits.h"
#include "platform/NumberText.h"
#include "platform/StringTable.h"
#include "store/NewOrvDoc.h"
#include "ui/DialogButtons.h"
#include "ui/ImportedGuestsModel.h"
#include "ui/OfficeFileDialog.h"
#include "ui/UiText.h"
#include "ui/ViewWidgets.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>
#include <set>

namespace
{
constexpr int kInitialWidth = 820;
constexpr int kInitialHeight = 600;

CImportGuestsDialog::FolderImport& FolderImportHook()
{
    static CImportGuestsDialog::FolderImport hook;
    return hook;
}
// A path keeps its left-to-right order inside a Hebrew sentence.
std::string Isolated(const QString& path)
{
    return "\u2066" + FromQt(path) + "\u2069";
}
} // namespace

void CImportGuestsDialog::SetFolderImport(FolderImport import)
{
    FolderImportHook() = std::move(import);
}

CImportGuestsDialog::CImportGuestsDialog(CNewOrvDoc& doc, QWidget* parent)
    : QDialog(parent), m_doc(doc)
{
    setWindowTitle(UiText(IDS_IMPORT_DIALOG_TITLE));
    resize(kInitialWidth, kInitialHeight);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MakeExplanation(IDS_IMPORT_EXPLANATION));

    m_spreadsheet = new QRadioButton(UiText(IDS_IMPORT_SOURCE_SPREADSHEET));
    m_dataFile = new QRadioButton(UiText(IDS_IMPORT_SOURCE_DATA_FILE));
    m_spreadsheet->setChecked(true);
    auto* sources = new QButtonGroup(this);
    sources->addButton(m_spreadsheet);
    sources->addButton(m_dataFile);
    layout->addWidget(m_spreadsheet);
    layout->addWidget(m_dataFile);
    if (FolderImportHook())
    {
        auto* folderRow = new QHBoxLayout;
        auto* folderLabel = new QLabel(UiText(IDS_IMPORT_SOURCE_FOLDER));
        auto* chooseFolder = new QPushButton(UiText(IDS_IMPORT_CHOOSE_FOLDER));
        chooseFolder->setObjectName(QStringLiteral("ChooseFolder"));
        folderRow->addWidget(folderLabel);
        folderRow->addWidget(chooseFolder);
        folderRow->addStretch(1);
        layout->addLayout(folderRow);
        connect(chooseFolder, &QPushButton::clicked, this, &CImportGuestsDialog::ChooseFolder);
    }

    auto* fileRow = new QHBoxLayout;
    m_choose = new QPushButton(UiText(IDS_IMPORT_CHOOSE_FILE));
    m_choose->setObjectName(QStringLiteral("ChooseFile"));
    m_file = new QLabel(UiText(IDS_IMPORT_NO_FILE));
    m_file->setTextInteractionFlags(Qt::TextSelectableByMouse);
    fileRow->addWidget(m_choose);
    fileRow->addWidget(m_file, 1);
    layout->addLayout(fileRow);

    m_model = new CImportedGuestsModel(this);
    m_list = MakeRecordList("ImportedGuestsList", m_model, QAbstractItemView::ExtendedSelection);
    m_list->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_list->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(m_list, 1);

    auto* groupRow = new QHBoxLayout;
    m_selectAll = new QPushButton(UiText(IDS_IMPORT_SELECT_ALL));
    m_keepGroups = new QCheckBox(UiText(IDS_IMPORT_KEEP_GROUPS));
    m_keepGroups->setChecked(true);
    auto* groupLabel = new QLabel(UiText(IDS_IMPORT_GROUP_LABEL));
    m_groupName = new QLineEdit(UiText(IDS_IMPORT_DEFAULT_GROUP));
    groupLabel->setBuddy(m_groupName);
    groupRow->addWidget(m_selectAll);
    groupRow->addSpacing(24);
    groupRow->addWidget(m_keepGroups);
    groupRow->addWidget(groupLabel);
    groupRow->addWidget(m_groupName, 1);
    layout->addLayout(groupRow);

    m_status = new QLabel;
    layout->addWidget(m_status);

    auto* buttons = MakeButtonBox(QDialogButtonBox::Close);
    m_add = buttons->addButton(UiText(IDS_IMPORT_ADD), QDialogButtonBox::ActionRole);
    m_add->setDefault(true);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    connect(m_choose, &QPushButton::clicked, this, &CImportGuestsDialog::ChooseFile);
    connect(m_selectAll, &QPushButton::clicked, m_list, &QTableView::selectAll);
    connect(m_add, &QPushButton::clicked, this, &CImportGuestsDialog::AddSelected);
    connect(m_keepGroups, &QCheckBox::toggled, this, &CImportGuestsDialog::UpdateState);
    connect(m_dataFile, &QRadioButton::toggled, this,
            [this](bool dataFile)
            {
                m_choose->setText(
                    UiText(dataFile ? IDS_IMPORT_CHOOSE_DATA_FILE : IDS_IMPORT_CHOOSE_FILE));
                SetLines({}, QString());
            });
    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CImportGuestsDialog::UpdateState);
    m_choose->setFocus();
    UpdateState();
}

EImportSource CImportGuestsDialog::Source() const
{
    return m_dataFile->isChecked() ? EImportSource::DataFile : EImportSource::Spreadsheet;
}

void CImportGuestsDialog::SetSource(EImportSource source)
{
    (source == EImportSource::DataFile ? m_dataFile : m_spreadsheet)->setChecked(true);
}

void CImportGuestsDialog::ChooseFile()
{
    const bool dataFile = Source() == EImportSource::DataFile;
    const QString file = ChooseOfficeFileToOpen(
        this, IDS_IMPORT_DIALOG_TITLE,
        dataFile ? IDS_IMPORT_DATA_FILE_FILTER : IDS_IMPORT_SPREADSHEET_FILTER,
        dataFile ? QStringLiteral("WeddingData.xml") : QStringLiteral("Guests.xls"));
    if (!file.isEmpty())
        LoadFile(file);
}

void CImportGuestsDialog::ChooseFolder()
{
    if (FolderImportHook() && FolderImportHook()(m_doc, this))
        accept();
}

void CImportGuestsDialog::LoadFile(const QString& file)
{
    SImportRead read = ReadImportFile(FromQt(file), Source(), m_doc.GetPrompt());
    SetLines(std::move(read.guests), file);
}

void CImportGuestsDialog::SetLines(std::vector<SImportedGuest> lines, const QString& source)
{
    const int count = static_cast<int>(lines.size());
    m_model->SetLines(std::move(lines));
    m_file->setText(source.isEmpty() ? UiText(IDS_IMPORT_NO_FILE)
                                     : ToQt(FormatText(LoadString(IDS_IMPORT_ROWS_READ),
                                                       {FormatInt(count), Isolated(source)})));
    m_status->clear();
    UpdateState();
}

void CImportGuestsDialog::AddSelected()
{
    std::set<int> rows;
    for (const QModelIndex& index : m_list->selectionModel()->selectedRows())
        rows.insert(index.row());
    std::vector<SImportedGuest> lines;
    for (int row : rows)
        lines.push_back(m_model->Lines()[static_cast<std::size_t>(row)]);
    if (lines.empty())
        return;
    const Edits::SImportResult result = Edits::AddImportedGuests(
        m_doc, lines, {m_keepGroups->isChecked(), FromQt(m_groupName->text().trimmed())}, nullptr);
    m_status->setText(
        ToQt(FormatText(LoadString(IDS_IMPORT_ADDED_TEXT), {FormatInt(result.added)})));
}

void CImportGuestsDialog::UpdateState()
{
    m_groupName->setEnabled(!m_keepGroups->isChecked());
    m_selectAll->setEnabled(m_model->rowCount() > 0);
    m_add->setEnabled(m_list->selectionModel()->hasSelection());
}
