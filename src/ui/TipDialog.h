#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;

// The tip of the day: one tip at a time, "Next tip", and whether to show tips at start-up.
class CTipDialog : public QDialog
{
    Q_OBJECT
public:
    CTipDialog(int firstTip, bool showAtStartup, QWidget* parent = nullptr);

    // The tip to start at next time (the one after the last shown).
    int NextTip() const;
    bool ShowAtStartup() const;

    void ShowNextTip();

private:
    void ShowTip();

    int m_tip;
    QLabel* m_text;
    QCheckBox* m_showAtStartup;
};
