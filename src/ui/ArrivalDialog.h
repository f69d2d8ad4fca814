#pragma once

#include <QDialog>
#include <functional>

class QLabel;
class QSpinBox;

// "This guest came to the wedding!": how many people of the guest line arrived ("Actualy came:"),
// with the line's name and table above the field, so the desk sees whom it records. OK runs the
// arrival through the handler; the dialog stays open when the handler refuses (a number of nobody,
// a Cancel in the table choice or the "No room left" question).
class CArrivalDialog : public QDialog
{
    Q_OBJECT
public:
    // Answers true when the arrival was recorded.
    using Handler = std::function<bool(int people)>;

    CArrivalDialog(const QString& guestName, const QString& tableText, int people,
                   QWidget* parent = nullptr);

    void SetHandler(Handler handler) { m_handler = std::move(handler); }
    int People() const;
    void SetPeople(int people);
    QSpinBox* CountField() const { return m_count; }

    void accept() override;

private:
    QSpinBox* m_count;
    Handler m_handler;
};
