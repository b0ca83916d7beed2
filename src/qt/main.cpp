// The program's entry on Linux.

#include "qt/application.h"

int main(int argc, char** argv)
{
    return RunApplication(argc, argv);
}
