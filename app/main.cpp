#include "app/Program.h"

int main(int argc, char* argv[])
{
    return marulo::RunProgram(argc, argv);
}
