#include "ui/ShareSettingsDialog.h"

#include "edits/ShareEdits.h"
#include "store/NewOrvDoc.h"
#include "ui/DialogButtons.h"
#include "ui/ModalSeam.h"
#include "ui/TipMarkup.h"
#include "ui/UiText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace
{
constexpr int kMaxPort = 65535;
const int kProtocolTexts[] = {IDS_SHARE_PROTOCOL_FTP, IDS_SHARE_PROTOCOL_FTPS,
                              IDS_SHARE_PROTOCOL_WEBDAV};
} // namespace

CShareSettingsDialog::CShareSettingsDialog(CNewOrvDoc& doc, QWidget* parent)
    : QDialog(parent), m_doc(doc)
{
    setWindowTitle(UiText(IDS_SHARE_SETTINGS_TITLE));
    const CEventSettings& settings = doc.GetSettings();
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;

    m_protocol = new QComboBox;
    for (int text : kProtocolTexts)
        m_protocol->addItem(UiText(text));
    m_protocol->setCurrentIndex(std::clamp(settings.GetFtpProtocol(), 0, 2));
    form->addRow(UiText(IDS_SHARE_PROTOCOL_LABEL), m_protocol);

    m_server = new QLineEdit(ToQt(settings.GetFtpServer()));
    m_server->setMinimumWidth(m_server->fontMetrics().averageCharWidth() * 40);
    form->addRow(UiText(IDS_SHARE_SERVER_LABEL), m_server);
    m_user = new QLineEdit(ToQt(settings.GetFtpUser()));
    form->addRow(UiText(IDS_SHARE_USER_LABEL), m_user);
    // A kept password is not shown again; an empty field keeps it.
    m_password = new QLineEdit(ToQt(settings.GetFtpPassword()));
    m_password->setEchoMode(QLineEdit::Password);
    form->addRow(UiText(IDS_SHARE_PASSWORD_LABEL), m_password);

    m_port = new QSpinBox;
    m_port->setRange(0, kMaxPort);
    m_port->setSpecialValueText(UiText(IDS_SHARE_PORT_DEFAULT));
    m_port->setValue(settings.GetFtpPort());
    form->addRow(UiText(IDS_SHARE_PORT_LABEL), m_port);
    m_folder = new QLineEdit(ToQt(settings.GetFtpFolder()));
    form->addRow(UiText(IDS_SHARE_FOLDER_LABEL), m_folder);
    auto* caRow = new QHBoxLayout;
    m_caFile = new QLineEdit(ToQt(settings.GetFtpCaFile()));
    m_browse = new QPushButton(UiText(IDS_SHARE_BROWSE));
    connect(m_browse, &QPushButton::clicked, this, &CShareSettingsDialog::BrowseCaFile);
    caRow->addWidget(m_caFile, 1);
    caRow->addWidget(m_browse);
    form->addRow(UiText(IDS_SHARE_CA_FILE_LABEL), caRow);
    layout->addLayout(form);

    m_savePassword = new QCheckBox(UiText(IDS_SHARE_SAVE_PASSWORD));
    m_savePassword->setChecked(settings.GetFtpSavePassword());
    m_autoUpload = new QCheckBox(UiText(IDS_SHARE_AUTO_UPLOAD));
    m_autoUpload->setChecked(settings.GetFtpAutoUpload());
    m_autoDownload = new QCheckBox(UiText(IDS_SHARE_AUTO_DOWNLOAD));
    m_autoDownload->setChecked(settings.GetFtpAutoDownload());
    for (QCheckBox* box : {m_savePassword, m_autoUpload, m_autoDownload})
        layout->addWidget(box);

    auto* help =
        new QLabel(QStringLiteral("<a href=\"help\">%1</a>").arg(UiText(IDS_SHARE_HELP_LINK)));
    connect(help, &QLabel::linkActivated, this, &CShareSettingsDialog::ShowHelp);
    layout->addWidget(help);

    QDialogButtonBox* buttons =
        MakeButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    connect(m_protocol, &QComboBox::currentIndexChanged, this,
            &CShareSettingsDialog::ProtocolChanged);
    ProtocolChanged();
    m_server->setFocus();
}

void CShareSettingsDialog::ProtocolChanged()
{
    // WebDAV names its folder in the address; a certificate file matters only with TLS.
    const int protocol = m_protocol->currentIndex();
    m_folder->setEnabled(protocol != kShareWebDav);
    m_caFile->setEnabled(protocol != kShareFtp);
    m_browse->setEnabled(protocol != kShareFtp);
    m_server->setPlaceholderText(
        protocol == kShareWebDav
            ? QStringLiteral("https://cloud.example.com/remote.php/dav/files/...")
            : QStringLiteral("ftp.example.com"));
}

void CShareSettingsDialog::BrowseCaFile()
{
    QFileDialog dialog(this, UiText(IDS_SHARE_CA_FILE_TITLE), m_caFile->text());
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (CModalSeam::Exec(dialog) == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        m_caFile->setText(dialog.selectedFiles().front());
}

void CShareSettingsDialog::ShowHelp()
{
    QMessageBox box(QMessageBox::Information, UiText(IDS_SHARE_SETTINGS_TITLE),
                    MarkupToRichText(LoadString(IDS_SHARE_HELP_TEXT)), QMessageBox::Ok, this);
    box.setTextFormat(Qt::RichText);
    TranslateButtons(box);
    CModalSeam::Exec(box);
}

void CShareSettingsDialog::Apply()
{
    Edits::SShareSettings values;
    values.protocol = m_protocol->currentIndex();
    values.server = FromQt(m_server->text().trimmed());
    values.port = m_port->value();
    values.user = FromQt(m_user->text().trimmed());
    if (!m_password->text().isEmpty())
        values.password = FromQt(m_password->text());
    values.folder = FromQt(m_folder->text().trimmed());
    values.caFile = FromQt(m_caFile->text().trimmed());
    values.savePassword = m_savePassword->isChecked();
    values.autoUpload = m_autoUpload->isChecked();
    values.autoDownload = m_autoDownload->isChecked();
    Edits::ApplyShareSettings(m_doc, values);
}
