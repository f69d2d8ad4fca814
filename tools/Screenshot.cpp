// Renders the main window with one view shown to a PNG file, for looking at screens in both
// languages without a display (QT_QPA_PLATFORM=offscreen):
//   velloran-screenshot --lang en|he --data-root DIR --view CODE --out FILE.png [--size WxH]
//       [--dialog NAME]   renders that dialog instead; NAME as in ui/DialogCatalogue.cpp
//                         (options, table-details, add-event-N, ...)
//       [--guest-details PAGE]  in the guests view: a guest in the middle of the list is chosen
//                         and the details panel shows that page (0 or 1)
// Dialogs that would block at start-up (terms of use, tip of the day) are accepted.

#include "store/NewOrvDoc.h"
#include "ui/DialogCatalogue.h"
#include "ui/FrameView.h"
#include "ui/GuestDetailsPanel.h"
#include "ui/GuestsTableModel.h"
#include "ui/GuestsView.h"
#include "ui/GuiSession.h"
#include "ui/MainFrame.h"
#include "ui/ModalSeam.h"

#include <QApplication>
#include <QDialog>
#include <QStyleFactory>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <iostream>

int main(int argc, char** argv)
{
    Q_INIT_RESOURCE(ui);
    QApplication application(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    QStringList arguments = QApplication::arguments();
    QString out = QStringLiteral("screenshot.png");
    QString dialogName;
    int view = 0;
    int detailsPage = -1;
    QSize size(1280, 800);
    QStringList sessionArguments{arguments.front()};
    for (int i = 1; i < arguments.size(); ++i)
    {
        const QString& argument = arguments[i];
        const QString value = i + 1 < arguments.size() ? arguments[i + 1] : QString();
        if (argument == QLatin1String("--out"))
            out = value, ++i;
        else if (argument == QLatin1String("--view"))
            view = value.toInt(), ++i;
        else if (argument == QLatin1String("--guest-details"))
            detailsPage = value.toInt(), ++i;
        else if (argument == QLatin1String("--dialog"))
            dialogName = value, ++i;
        else if (argument == QLatin1String("--size"))
        {
            const QStringList parts = value.split(QLatin1Char('x'));
            if (parts.size() == 2)
                size = QSize(parts[0].toInt(), parts[1].toInt());
            ++i;
        }
        else
            sessionArguments << argument;
    }

    SAppOptions options;
    QString error;
    if (!CGuiSession::ParseArguments(sessionArguments, options, &error))
    {
        std::cerr << error.toStdString() << "\n";
        return 2;
    }
    CModalSeam::SetDialogHandler([](QDialog&) { return static_cast<int>(QDialog::Accepted); });
    CGuiSession session(options);
    int exitCode = 0;
    if (!session.Start(exitCode, false))
        return exitCode;
    CMainFrame& frame = *session.Frame();
    frame.resize(size);
    if (view != 0)
        frame.ShowView(view);
    frame.show();
    if (auto* guests = qobject_cast<CGuestsView*>(frame.ActiveView()); guests && detailsPage >= 0)
    {
        guests->FlushRefresh();
        const int row = guests->Model()->rowCount() / 2;
        guests->List()->setCurrentIndex(
            guests->Model()->index(row, CGuestsTableModel::kColumnFirstName));
        guests->Details()->Pages()->setCurrentIndex(detailsPage);
    }

    QWidget* target = &frame;
    std::unique_ptr<QDialog> dialog;
    CNewOrvDoc& doc = session.App().GetDocument();
    if (!dialogName.isEmpty())
    {
        // "add-event" alone is the names page.
        if (dialogName == QLatin1String("add-event"))
            dialogName = QStringLiteral("add-event-3");
        const SDialogEntry* entry = FindDialogEntry(dialogName);
        if (entry == nullptr)
        {
            std::cerr << "no dialog " << dialogName.toStdString() << "\n";
            return 2;
        }
        dialog = entry->make(doc, &frame);
    }
    if (dialog)
    {
        dialog->show();
        target = dialog.get();
    }
    QTimer::singleShot(300,
                       [&]
                       {
                           if (CFrameView* active = frame.ActiveView())
                               active->FlushRefresh();
                           target->grab().save(out);
                           QApplication::quit();
                       });
    QApplication::exec();
    CModalSeam::SetDialogHandler({});
    // Leave the data as it was: the run only looks.
    doc.SetDataChanged(false);
    return 0;
}
