#pragma once

#include <QDialog>

class CNewOrvDoc;
class QDateEdit;
class QLineEdit;

// "Wedding Information": the event's name, the owner details (the couple, or the party owner of
// the other event types), the phone, the date and the event code of the web approvals. Apply()
// stores them and makes the default groups when the event has none.
class CWeddingInfoDialog : public QDialog
{
    Q_OBJECT
public:
    CWeddingInfoDialog(CNewOrvDoc& doc, QWidget* parent = nullptr);

    void Apply();
    void accept() override;

    QLineEdit* EventName() const { return m_eventName; }
    QLineEdit* GroomFirst() const { return m_groom[0]; }
    QLineEdit* BrideFirst() const { return m_bride[0]; }

private:
    CNewOrvDoc& m_doc;
    bool m_partyOwner;
    QLineEdit* m_eventName;
    QLineEdit* m_groom[3];
    QLineEdit* m_bride[3];
    QLineEdit* m_phone;
    QDateEdit* m_date;
    QLineEdit* m_eventCode;
};
