#include <iostream>

int main()
{
    std::cerr << "uso: tavolim-tool --dados PASTA COMANDO\n";
    return 2;
}
