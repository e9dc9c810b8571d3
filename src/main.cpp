#include "ui/app/untProgram.h"

int main(int argc, char** argv)
{
    return velmar::RunProgram(argc, argv);
}
