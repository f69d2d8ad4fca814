#include "ui/GuiSession.h"

#include <QApplication>
#include <QIcon>
#include <QStyleFactory>
#include <iostream>

int main(int argc, char** argv)
{
    Q_INIT_RESOURCE(ui);
    QApplication application(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setApplicationName(QStringLiteral("Velloran"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/velloran.svg")));

    SAppOptions options;
    QString error;
    if (!CGuiSession::ParseArguments(QApplication::arguments(), options, &error))
    {
        std::cerr << "velloran: " << error.toStdString()
                  << "\nusage: velloran [--lang en|he] [--data-root DIR] [--program-dir DIR]\n";
        return 2;
    }

    CGuiSession session(options);
    int exitCode = 0;
    if (!session.Start(exitCode))
        return exitCode;
    return QApplication::exec();
}
