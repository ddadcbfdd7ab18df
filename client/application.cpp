#include "client/application.h"

#include <QApplication>

namespace pictova {

int runApplication(int argc, char** argv)
{
    QApplication app(argc, argv);
    return 0;
}

} // namespace pictova
