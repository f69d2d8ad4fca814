#include "ui/GuiSession.h"

#include <QApplication>
#include <QIcon>
#include <QStyleFactory>
#include <cstring>
#include <iostream>

namespace
{
constexpr const char* kUsage =
    "usage: velloran [--lang en|he] [--data-root DIR] [--program-dir DIR]\n";

// --version and --help answer before QApplication exists: they need no display, so they work
// over ssh, in a package's checks and in a terminal without X.
bool AnswerWithoutDisplay(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
    {
        if (std::strcmp(argv[i], "--version") == 0)
        {
            std::cout << "Velloran " << VELLORAN_VERSION_TEXT << "\n";
            return true;
        }
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0)
        {
            std::cout << "Velloran " << VELLORAN_VERSION_TEXT
                      << ": a planner for weddings and family celebrations.\n"
                      << kUsage
                      << "  --lang en|he       the interface language (otherwise the Tools menu's\n"
                         "                     choice, else the locale)\n"
                         "  --data-root DIR    the folder of the events (otherwise\n"
                         "                     ~/.local/share/Velloran/Eng or .../Heb)\n"
                         "  --program-dir DIR  the program's own folder (General.ini, the tips)\n"
                         "  --version          print the version and exit\n"
                         "  --help             print this help and exit\n"
                         "The command-line front end is velloran-cli (velloran-cli --help).\n";
            return true;
        }
    }
    return false;
}
} // namespace

int main(int argc, char** argv)
{
    if (AnswerWithoutDisplay(argc, argv))
        return 0;
    Q_INIT_RESOURCE(ui);
    QApplication application(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setApplicationName(QStringLiteral("Velloran"));
    // The desktop entry's name, so that the window is grouped with the menu entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("velloran"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("velloran"),
                                                 QIcon(QStringLiteral(":/icons/velloran.svg"))));

    SAppOptions options;
    QString error;
    if (!CGuiSession::ParseArguments(QApplication::arguments(), options, &error))
    {
        std::cerr << "velloran: " << error.toStdString() << "\n" << kUsage;
        return 2;
    }

    CGuiSession session(options);
    int exitCode = 0;
    if (!session.Start(exitCode))
        return exitCode;
    return QApplication::exec();
}
