#pragma once

#include <QMainWindow>

class CNewOrvApp;
class CQtPrompt;
class QAction;
class QLabel;

// The single top-level window: menu bar, the view area, the close sequence.
class CMainFrame : public QMainWindow
{
    Q_OBJECT
public:
    CMainFrame(CNewOrvApp& app, CQtPrompt& prompt, QWidget* parent = nullptr);
    ~CMainFrame() override;

    QAction* SaveAction() const { return m_save; }
    QAction* RealTimeAction() const { return m_realTime; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenus();
    void OnSave();
    void UpdateCommandState();

    CNewOrvApp& m_app;
    CQtPrompt& m_prompt;
    QAction* m_save = nullptr;
    QAction* m_realTime = nullptr;
    QLabel* m_placeholder = nullptr;
};
