#include <QStringList>

#include "app/mainapplication.h"

int main(int argc, char** argv)
{
    MainApplication::prepareEnvironment();
    MainApplication app(argc, argv);
    MainApplication::Options options;
    const QStringList args = app.arguments();
    options.spiDebug = args.contains(QStringLiteral("-spidebug"));
    options.windowed = args.contains(QStringLiteral("-windowed"));
    if (!app.init(options))
        return 1;
    return app.exec();
}
