#pragma once

#include <QDialog>

class CNewOrvDoc;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

// "Define FTP server properties": the server, user name and password, the three check boxes of
// saving the password, the upload after each save and the download at start-up, and the
// connection (protocol, port, folder on the server, certificate file). Apply() stores them through
// Edits::ApplyShareSettings.
class CShareSettingsDialog : public QDialog
{
    Q_OBJECT
public:
    CShareSettingsDialog(CNewOrvDoc& doc, QWidget* parent = nullptr);

    void Apply();

    QComboBox* Protocol() const { return m_protocol; }
    QLineEdit* Server() const { return m_server; }
    QLineEdit* User() const { return m_user; }
    QLineEdit* Password() const { return m_password; }
    QCheckBox* SavePassword() const { return m_savePassword; }
    QCheckBox* AutoUpload() const { return m_autoUpload; }
    QCheckBox* AutoDownload() const { return m_autoDownload; }

private:
    void ShowHelp();
    void BrowseCaFile();
    void ProtocolChanged();

    CNewOrvDoc& m_doc;
    QComboBox* m_protocol;
    QLineEdit* m_server;
    QSpinBox* m_port;
    QLineEdit* m_user;
    QLineEdit* m_password;
    QLineEdit* m_folder;
    QLineEdit* m_caFile;
    QPushButton* m_browse;
    QCheckBox* m_savePassword;
    QCheckBox* m_autoUpload;
    QCheckBox* m_autoDownload;
};
