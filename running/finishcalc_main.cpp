#include "finishcalc.hpp"

#include <cstdio>

int main(int argc, char** argv)
{
    const int status = run_finishcalc(argc, argv, stdout);
    std::fflush(stdout);
    return status;
}
