#include "pacecalc.hpp"

#include <cstdio>

int main(int argc, char** argv)
{
    const int status = run_pacecalc(argc, argv, stdout);
    std::fflush(stdout);
    return status;
}
