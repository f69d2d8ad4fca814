#pragma once

#include "edits/ShareEdits.h"

class QWidget;

// Runs a transfer's network work on a worker thread while the interface stays responsive: a
// modal progress dialog appears after half a second, advances one step per file and offers
// Cancel, which stops the transfer within a fraction of a second.
class CQtShareRunner : public Edits::IShareRunner
{
public:
    explicit CQtShareRunner(QWidget* parent) : m_parent(parent) {}
    void Run(const std::string& text, int steps, const Edits::ShareWork& work) override;

private:
    QWidget* m_parent;
};
