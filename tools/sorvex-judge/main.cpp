#include "judgecli.h"

#include <iostream>
#include <string_view>

int main(int argc, char *argv[])
{
    std::ios::sync_with_stdio(false);
    if (argc == 2 && (std::string_view(argv[1]) == "--version" || std::string_view(argv[1]) == "-v")) {
        std::cout << "sorvex-judge " SORVEX_VERSION "\n" << std::flush;
        return std::cout ? 0 : 1;
    }
    return sorvex::runJudgeCli(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
