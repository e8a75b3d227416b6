#include "RegistroTestes.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace {

using Entrada = std::pair<std::string, RegistroTestes::Executor>;

// Filled by the statics of the test files before main() runs.
std::vector<Entrada> &registro()
{
    static std::vector<Entrada> classes;
    return classes;
}

std::string nomeDoArquivo(const char *arquivo)
{
    std::string nome(arquivo);
    const auto barra = nome.find_last_of("/\\");
    if (barra != std::string::npos)
        nome.erase(0, barra + 1);
    const auto ponto = nome.rfind('.');
    if (ponto != std::string::npos)
        nome.erase(ponto);
    return nome;
}

int uso(const char *programa)
{
    std::fprintf(stderr, "usage: %s <test class> [Qt Test arguments]\nclasses:\n", programa);
    for (const auto &[nome, executor] : registro())
        std::fprintf(stderr, "  %s\n", nome.c_str());
    return 2;
}

}  // namespace

bool RegistroTestes::registra(const char *arquivo, Executor executor)
{
    registro().emplace_back(nomeDoArquivo(arquivo), executor);
    std::sort(registro().begin(), registro().end());
    return true;
}

int RegistroTestes::executa(int argc, char *argv[])
{
    if (argc < 2)
        return uso(argv[0]);
    const auto &classes = registro();
    const auto achada
        = std::find_if(classes.begin(), classes.end(), [&](const Entrada &e) { return e.first == argv[1]; });
    if (achada == classes.end()) {
        std::fprintf(stderr, "%s: no test class '%s'\n", argv[0], argv[1]);
        return uso(argv[0]);
    }
    // The class sees the program's name and the arguments after its own.
    std::vector<char *> argumentos;
    argumentos.push_back(argv[0]);
    for (int i = 2; i < argc; ++i)
        argumentos.push_back(argv[i]);
    argumentos.push_back(nullptr);
    return achada->second(argc - 1, argumentos.data());
}

int main(int argc, char *argv[])
{
    return RegistroTestes::executa(argc, argv);
}
