#include <QApplication>

#include "modTempolino.h"
#include "versione.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tempolino"));
    QApplication::setApplicationVersion(QStringLiteral(TEMPOLINO_VERSIONE));
    if (!modTempolino::Main())
        return 0;
    return QApplication::exec();
}
