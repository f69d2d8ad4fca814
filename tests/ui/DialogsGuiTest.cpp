#include "GuiTestSupport.h"
#include "store/NewOrvDoc.h"
#include "ui/DialogCatalogue.h"
#include "ui/GuiSession.h"
#include "ui/MainFrame.h"

#include <QAbstractButton>
#include <QDialog>
#include <QSet>
#include <QtTest>

// Every dialog in the Hebrew edition: no button may show Qt's own English captions, which appear
// whenever a button is made without the string table's texts.
class DialogsGuiTest : public QObject
{
    Q_OBJECT

private slots:
    void noDialogShowsEnglishButtonsInHebrew()
    {
        CGuiTestBench bench;
        bench.PassFirstStart();
        bench.AcceptNext(); // the Hebrew first start also asks for the wedding's details
        std::unique_ptr<CGuiSession> session = bench.Start(ELanguage::Hebrew);
        CNewOrvDoc& doc = session->App().GetDocument();
        doc.AddGuest("דנה", "כהן");
        doc.AddGuest("אבי", "לוי");

        const QSet<QString> english = {"OK",         "Cancel",
                                       "Close",      "Yes",
                                       "No",         "Apply",
                                       "Help",       "Save",
                                       "Open",       "Reset",
                                       "Abort",      "Retry",
                                       "Ignore",     "Discard",
                                       "< Back",     "Next >",
                                       "Finish",     "Back",
                                       "Next",       "Commit",
                                       "Done",       "Restore Defaults",
                                       "Yes to All", "No to All",
                                       "Save All"};
        int checked = 0;
        for (const SDialogEntry& entry : DialogCatalogue())
        {
            std::unique_ptr<QDialog> dialog = entry.make(doc, session->Frame());
            QVERIFY2(dialog != nullptr, qPrintable(entry.name));
            dialog->show(); // wizards make their buttons' texts on showing
            for (const QAbstractButton* button : dialog->findChildren<QAbstractButton*>())
            {
                if (!button->isVisibleTo(dialog.get()))
                    continue;
                QString text = button->text();
                text.remove(QLatin1Char('&'));
                QVERIFY2(!english.contains(text.trimmed()),
                         qPrintable(entry.name + QStringLiteral(": ") + text));
            }
            dialog->hide();
            ++checked;
        }
        QVERIFY(checked >= 14);
        doc.SetDataChanged(false);
    }
};

QTEST_MAIN(DialogsGuiTest)
#include "DialogsGuiTest.moc"
