#include "client/application.h"

int main(int argc, char** argv)
{
    return pictova::runApplication(argc, argv);
}
