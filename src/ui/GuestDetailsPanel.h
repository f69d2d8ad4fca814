#pragma once

#include "online/MailLinks.h"

#include <QWidget>
#include <functional>

class CGuest;
class CNewOrvDoc;
class IDocView;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;

// The guest details panel beside the guest list: every field of the current guest on two pages,
// "Guest Details" and "Addtional Details", changed in place through the guest edits (Edits::),
// which announce HINT_GUEST_CHANGED from the sender given (the guests view) to the other views.
//
// Texts are stored when their field is left (or before a save, through CommitPendingEdit), so
// the other guests' restriction lists follow a finished name, never each keystroke. Numbers are
// stored when typed and confirmed (Enter, leaving the field) or stepped. After every change the
// panel emits GuestEdited so its view refreshes the row and the statistics.
class CGuestDetailsPanel : public QWidget
{
    Q_OBJECT
public:
    // The buttons of the status, in their order on the screen.
    enum EStatusButton
    {
        kButtonApproved = 0,
        kButtonNotComing = 1,
        kButtonUnknown = 2,
    };

    CGuestDetailsPanel(CNewOrvDoc& doc, IDocView* sender, QWidget* parent = nullptr);

    // Shows the guest (null: none), after storing what was typed for the one shown before.
    void SetGuest(CGuest* guest);
    CGuest* Guest() const { return m_guest; }
    // Fills every field from the guest again (it changed elsewhere).
    void Reload();
    // The guest is about to go: forget it without storing anything.
    void DropGuest();

    bool HasPendingEdit() const;
    void CommitPendingEdit();

    // Where the approval mail's event details come from; without it the approval button is
    // absent.
    void SetApprovalMailSource(std::function<SApprovalMailInfo()> source);

    // The "Change Table" popup: tables 1 to the last in blocks of ten, the guest's table checked;
    // each entry's data is its table id.
    void BuildTableMenu(QMenu& menu) const;
    // Writes the id into "Table Number" and runs the table rule, as leaving the field does.
    void ChooseTable(int tableId);
    // The status buttons' rule (one of EStatusButton).
    void ChooseStatus(int button);
    // The buttons' commands.
    void EditKids();
    void AddGift();
    void EditRestrictions();
    void SendApprovalMail();
    void SendSms();
    void ChooseTransport(int transport);

    // The last reminder shown beside "Coming" (empty when none).
    QString LastBalloon() const { return m_lastBalloon; }

    QTabWidget* Pages() const { return m_pages; }
    QLineEdit* FirstNameField() const { return m_firstName; }
    QLineEdit* FamilyNameField() const { return m_familyName; }
    QLineEdit* PhoneField() const { return m_phone; }
    QLineEdit* MobileField() const { return m_mobile; }
    QLineEdit* EmailField() const { return m_email; }
    QPlainTextEdit* AddressField() const { return m_address; }
    QPlainTextEdit* InfoField() const { return m_info; }
    QComboBox* GroupField() const { return m_group; }
    QComboBox* RelationField() const { return m_relation; }
    QSpinBox* InvitedField() const { return m_invited; }
    QSpinBox* ComingField() const { return m_coming; }
    QRadioButton* StatusButton(int button) const;
    QLineEdit* TableField() const { return m_table; }
    QLabel* LocationLabel() const { return m_location; }
    QLineEdit* GiftField() const { return m_gift; }
    QLineEdit* GiftSumField() const { return m_giftSum; }
    QCheckBox* InvitationSentBox() const { return m_invitationSent; }
    QSpinBox* InvitationsField() const { return m_invitations; }
    QLabel* GuestCodeLabel() const { return m_guestCode; }
    QPushButton* ApprovalButton() const { return m_sendApproval; }
    QComboBox* TransportField() const { return m_transport; }
    QLabel* TransportCountLabel() const { return m_transportHas; }
    QLabel* TransportWithGuestLabel() const { return m_transportWithGuest; }

signals:
    // A change was stored in this guest (its list row and the statistics follow).
    void GuestEdited(CGuest* guest);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* BuildGuestPage();
    QWidget* BuildMorePage();
    void FillChoices();
    void ShowLocation();
    void ShowGift();
    void ShowTransportCounts(int already, int withGuest);
    void ShowStatus(int button);
    void CommitTexts();
    void CommitNumbers();
    void ApplyTable();
    void OnCountChanged(bool coming, int value);
    void Changed();

    CNewOrvDoc& m_doc;
    IDocView* m_sender;
    CGuest* m_guest = nullptr;
    int m_statusButton = kButtonUnknown; // the status button last shown
    int m_tableShown = 0;                // the table id last shown
    bool m_loading = false;
    bool m_applyingTable = false;
    QString m_lastBalloon;
    std::function<SApprovalMailInfo()> m_approvalSource;

    QLabel* m_noGuest;
    QTabWidget* m_pages;
    QLineEdit* m_firstName = nullptr;
    QLineEdit* m_familyName = nullptr;
    QLineEdit* m_phone = nullptr;
    QLineEdit* m_mobile = nullptr;
    QLineEdit* m_email = nullptr;
    QPlainTextEdit* m_address = nullptr;
    QPlainTextEdit* m_info = nullptr;
    QComboBox* m_group = nullptr;
    QComboBox* m_relation = nullptr;
    QSpinBox* m_invited = nullptr;
    QSpinBox* m_coming = nullptr;
    QButtonGroup* m_status = nullptr;
    QLineEdit* m_table = nullptr;
    QPushButton* m_changeTable = nullptr;
    QLabel* m_location = nullptr;
    QPushButton* m_kids = nullptr;
    QLineEdit* m_gift = nullptr;
    QLineEdit* m_giftSum = nullptr;
    QPushButton* m_addGift = nullptr;
    QCheckBox* m_invitationSent = nullptr;
    QSpinBox* m_invitations = nullptr;
    QLabel* m_guestCode = nullptr;
    QPushButton* m_sendApproval = nullptr;
    QComboBox* m_transport = nullptr;
    QLabel* m_transportHas = nullptr;
    QLabel* m_transportWithGuest = nullptr;
    QPushButton* m_restrictions = nullptr;
    QPushButton* m_sendSms = nullptr;
};
