#pragma once

#include "edits/HallEdits.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QPlainTextEdit;
class QSpinBox;
class QToolButton;
class QButtonGroup;

// "Object Detail" of a shape: its text (several lines), width and height, colour and class (one
// of the objects list or free text), and "Apply for all shapes from the same class ". A new shape
// gets the default size of its kind, so adding shows neither the size nor the class choice.
class CShapeDetailsDialog : public QDialog
{
    Q_OBJECT
public:
    enum EMode
    {
        kAdd,
        kEdit,
    };

    CShapeDetailsDialog(EMode mode, const Edits::SShapeDetails& details, QWidget* parent = nullptr);

    // The entered details; the text with "\r\n" line breaks, as the shapes keep it.
    Edits::SShapeDetails Details() const;
    bool ApplyToClass() const;

    QPlainTextEdit* TextField() const { return m_text; }
    QSpinBox* WidthField() const { return m_width; }
    QSpinBox* HeightField() const { return m_height; }
    QComboBox* ClassField() const { return m_class; }
    QCheckBox* ApplyToClassBox() const { return m_applyToClass; }
    // Picks one of the offered colours (index into the swatches), or sets any colour.
    int SwatchCount() const;
    void PickSwatch(int index);
    void SetColour(int colour);

private:
    void ChooseOtherColour();
    void ShowColour();

    QPlainTextEdit* m_text;
    QSpinBox* m_width = nullptr;
    QSpinBox* m_height = nullptr;
    QComboBox* m_class;
    QCheckBox* m_applyToClass = nullptr;
    QButtonGroup* m_swatches;
    QToolButton* m_other;
    int m_colour;
    Edits::SShapeDetails m_details;
};
