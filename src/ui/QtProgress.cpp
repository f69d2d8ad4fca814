#include "ui/QtProgress.h"

#include "ui/UiText.h"

namespace
{
constexpr int kShowAfterMs = 500;
}

CQtProgress::~CQtProgress()
{
    delete m_dialog;
}

void CQtProgress::Begin(const std::string& text)
{
    delete m_dialog;
    const QString label = text.empty() ? UiText(IDS_LOADING_EVENT) : ToQt(text);
    m_dialog = new QProgressDialog(label, QString(), 0, 100, m_parent);
    m_dialog->setWindowModality(Qt::ApplicationModal);
    m_dialog->setMinimumDuration(kShowAfterMs);
    m_dialog->setAutoClose(false);
    m_dialog->setAutoReset(false);
    m_dialog->setValue(0);
}

void CQtProgress::SetPos(int percent)
{
    if (m_dialog)
        m_dialog->setValue(qBound(0, percent, 100));
}

void CQtProgress::End()
{
    if (m_dialog)
    {
        m_dialog->hide();
        m_dialog->deleteLater();
        m_dialog = nullptr;
    }
}
