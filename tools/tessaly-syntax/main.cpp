// tessaly-syntax: the command-line tool for language definitions.
#include <cstring>
#include <iostream>
#include <string>

namespace {

void usage(std::ostream& out)
{
    out << "usage: tessaly-syntax COMMAND [ARGS]\n"
           "commands are added as the parser engine grows\n";
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2 || std::strcmp(argv[1], "--help") == 0) {
        usage(argc < 2 ? std::cerr : std::cout);
        return argc < 2 ? 1 : 0;
    }
    std::cerr << "tessaly-syntax: unknown command '" << argv[1] << "'\n";
    return 1;
}
