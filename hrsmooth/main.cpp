#include "hrsmooth_run.hpp"

#include <cstdio>

int main(int argc, char** argv)
{
    const int status = run_hrsmooth(argc, argv, stdout);
    std::fflush(stdout);
    return status;
}
