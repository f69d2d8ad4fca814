#pragma once

#include <QDialog>

// The terms-of-use notice shown until the user agrees once: "I Agree" accepts the dialog,
// "I Disagree" rejects it (the program then ends).
class CTermsDialog : public QDialog
{
    Q_OBJECT
public:
    explicit CTermsDialog(QWidget* parent = nullptr);
};
