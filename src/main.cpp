// velmar: the desktop program; RunProgram does the start-up, the message loop and the close.
#include "ui/app/untProgram.h"

int main(int argc, char** argv)
{
    return velmar::RunProgram(argc, argv);
}
