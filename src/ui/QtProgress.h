#pragma once

#include "platform/Progress.h"

#include <QPointer>
#include <QProgressDialog>

// The progress of loading and saving: a modal progress dialog that appears only when the work
// takes longer than half a second.
class CQtProgress : public IProgress
{
public:
    explicit CQtProgress(QWidget* parent = nullptr) : m_parent(parent) {}
    ~CQtProgress() override;

    void SetParent(QWidget* parent) { m_parent = parent; }

    void Begin(const std::string& text) override;
    void SetPos(int percent) override;
    void End() override;

private:
    QWidget* m_parent;
    QPointer<QProgressDialog> m_dialog;
};
