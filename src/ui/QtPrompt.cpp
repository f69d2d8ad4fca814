#include "ui/QtPrompt.h"

#include "ui/DialogButtons.h"
#include "ui/ModalSeam.h"

#include <QCursor>
#include <QGuiApplication>
#include <QMessageBox>

namespace
{
QMessageBox::StandardButtons ButtonsOf(EButtons buttons)
{
    switch (buttons)
    {
    case EButtons::Ok:
        return QMessageBox::Ok;
    case EButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case EButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case EButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case EButtons::None:
        return QMessageBox::NoButton;
    }
    return QMessageBox::Ok;
}

EAnswer AnswerOf(int button, EButtons buttons)
{
    switch (button)
    {
    case QMessageBox::Ok:
        return EAnswer::Ok;
    case QMessageBox::Yes:
        return EAnswer::Yes;
    case QMessageBox::No:
        return EAnswer::No;
    case QMessageBox::Cancel:
        return EAnswer::Cancel;
    default:
        // Closed with Escape or the window's close button.
        if (buttons == EButtons::YesNo)
            return EAnswer::No;
        if (buttons == EButtons::Ok || buttons == EButtons::None)
            return EAnswer::Ok;
        return EAnswer::Cancel;
    }
}

// The program's texts break lines Windows-style.
QString Lines(const std::string& text)
{
    return QString::fromStdString(text).remove(QLatin1Char('\r'));
}
} // namespace

EAnswer CQtPrompt::Ask(const std::string& text, const std::string& caption, EButtons buttons)
{
    QMessageBox box(buttons == EButtons::Ok ? QMessageBox::Information : QMessageBox::Question,
                    Lines(caption), Lines(text), ButtonsOf(buttons), m_parent);
    if (buttons == EButtons::YesNo || buttons == EButtons::YesNoCancel)
        box.setDefaultButton(QMessageBox::Yes);
    TranslateButtons(box);
    // Work running under a wait cursor may ask; the question gets the arrow back.
    const bool waiting = QGuiApplication::overrideCursor() != nullptr;
    if (waiting)
        QGuiApplication::setOverrideCursor(QCursor(Qt::ArrowCursor));
    const int answer = CModalSeam::Exec(box);
    if (waiting)
        QGuiApplication::restoreOverrideCursor();
    return AnswerOf(answer, buttons);
}
