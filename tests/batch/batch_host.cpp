// The batch as "marulo --batch" runs it, without the window's layers linked:
// its arguments are those of "marulo --batch ..." after the program.
#include "batch/BatchProgram.h"

int main(int argc, char* argv[])
{
    return marulo::RunBatch(argc, argv);
}
