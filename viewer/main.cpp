#include "PageWindow.h"

#include "ProgramInfo.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(Platform::programTitle());
    PageWindow window;
    window.show();
    const QStringList args = QApplication::arguments();
    if (args.size() > 1) window.openFile(args.at(1));
    return app.exec();
}
