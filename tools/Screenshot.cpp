// Renders the main window with one view shown to a PNG file, for looking at screens in both
// languages without a display (QT_QPA_PLATFORM=offscreen):
//   velloran-screenshot --lang en|he --data-root DIR --view CODE --out FILE.png [--size WxH]
//       [--dialog NAME]   NAME: options, wedding-info, terms, tip, select-event, table-details,
//                         table-setup, guest-search, restricted-guests (of the first guest),
//                         add-event[-N]
//                         (renders that dialog instead; N is the wizard's page)
// Dialogs that would block at start-up (terms of use, tip of the day) are accepted.

#include <QApplication>
#include <QDialog>
#include <QStyleFactory>
#include <QTimer>
#include <iostream>

#include "model/Group.h"
#include "platform/StringTable.h"
#include "store/NewOrvDoc.h"
#include "ui/AddEventWizard.h"
#include "ui/GuiSession.h"
#include "ui/MainFrame.h"
#include "ui/GuestSearchDialog.h"
#include "ui/ModalSeam.h"
#include "ui/OptionsDialog.h"
#include "ui/RestrictedGuestsDialog.h"
#include "ui/SelectEventDialog.h"
#include "ui/TermsDialog.h"
#include "ui/TipDialog.h"
#include "ui/TableDetailsDialog.h"
#include "ui/TableSetupDialog.h"
#include "ui/WeddingInfoDialog.h"

int main(int argc, char** argv)
{
    Q_INIT_RESOURCE(ui);
    QApplication application(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    QStringList arguments = QApplication::arguments();
    QString out = QStringLiteral("screenshot.png");
    QString dialogName;
    int view = 0;
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

    QWidget* target = &frame;
    std::unique_ptr<QDialog> dialog;
    CNewOrvDoc& doc = session.App().GetDocument();
    if (dialogName == QLatin1String("options"))
        dialog = std::make_unique<COptionsDialog>(doc, &frame);
    else if (dialogName == QLatin1String("wedding-info"))
        dialog = std::make_unique<CWeddingInfoDialog>(doc, &frame);
    else if (dialogName == QLatin1String("terms"))
        dialog = std::make_unique<CTermsDialog>(&frame);
    else if (dialogName == QLatin1String("tip"))
        dialog = std::make_unique<CTipDialog>(1, true, &frame);
    else if (dialogName == QLatin1String("select-event"))
        dialog = std::make_unique<CSelectEventDialog>(doc, &frame);
    else if (dialogName.startsWith(QLatin1String("add-event")))
    {
        // "add-event" shows the names page; "add-event-N" page N (1 to 4).
        auto wizard = std::make_unique<CAddEventWizard>(doc, &frame);
        wizard->restart();
        const int page = dialogName.size() > 10 ? dialogName.mid(10).toInt() : 3;
        for (int i = 1; i < page; ++i)
            wizard->next();
        dialog = std::move(wizard);
    }
    else if (dialogName == QLatin1String("table-details"))
    {
        QStringList groups;
        for (const auto& group : doc.GetGroups())
            groups << QString::fromStdString(group->GetName());
        const CTableDetailsDialog::SValues values{
            QString::fromStdString(LoadString(IDS_NOT_MAPPED)),
            doc.GetSettings().GetGuestsPerTable(), doc.NextFreeHallNumber()};
        dialog = std::make_unique<CTableDetailsDialog>(values, groups, nullptr, doc.GetPrompt(),
                                                       &frame);
    }
    else if (dialogName == QLatin1String("table-setup"))
        dialog = std::make_unique<CTableSetupDialog>(Edits::GetTableSetup(doc), doc.GetPrompt(),
                                                     &frame);
    else if (dialogName == QLatin1String("guest-search"))
        dialog = std::make_unique<CGuestSearchDialog>(QString(), QString(), false, &frame);
    else if (dialogName == QLatin1String("restricted-guests") && doc.GetGuestCount() > 0)
        dialog = std::make_unique<CRestrictedGuestsDialog>(doc, *doc.GetGuestAt(0), &frame);
    if (dialog)
    {
        dialog->show();
        target = dialog.get();
    }
    QTimer::singleShot(300, [&] {
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
