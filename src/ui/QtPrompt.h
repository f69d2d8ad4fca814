#pragma once

#include "platform/Prompt.h"

class QWidget;

// The GUI's message routine: a QMessageBox with the caption, text and buttons asked for, opened
// through the modal seam.
class CQtPrompt : public IPrompt
{
public:
    explicit CQtPrompt(QWidget* parent = nullptr) : m_parent(parent) {}

    void SetParent(QWidget* parent) { m_parent = parent; }

    EAnswer Ask(const std::string& text, const std::string& caption, EButtons buttons) override;

private:
    QWidget* m_parent;
};
