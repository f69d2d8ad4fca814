#pragma once

#include "reports/CardDesign.h"

#include <QDialog>
#include <filesystem>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTextBrowser;

// "Table Card Design" and "Design Address Cards": the card's lines, size, border and font, with a
// preview that is rewritten (to previewFile) and reloaded at every change. The caller stores
// Design() on OK.
class CCardDesignDialog : public QDialog
{
    Q_OBJECT
public:
    CCardDesignDialog(const SCardDesign& design, std::filesystem::path previewFile,
                      QWidget* parent = nullptr);
    SCardDesign Design() const;
    QTextBrowser* Preview() const { return m_preview; }

private:
    void UpdatePreview();
    void ChooseFont();

    SCardDesign m_design;
    std::filesystem::path m_previewFile;
    QLineEdit* m_line1;
    QLineEdit* m_line2;
    QLineEdit* m_line4Start = nullptr;
    QLineEdit* m_line4End = nullptr;
    QLineEdit* m_line5;
    QSpinBox* m_width;
    QSpinBox* m_height;
    QComboBox* m_borderSize;
    QComboBox* m_borderColour;
    QCheckBox* m_familyFirst;
    QLabel* m_fontName;
    QTextBrowser* m_preview;
};
