#include "BibliotecaIdioma.h"

#include "BibliotecaExterna.h"
#include "Catalogo.h"
#include "Windows1252.h"

#include <cstdint>
#include <cstring>

namespace {
using FuncaoGetStr = const char *(*)(int32_t);
using FuncaoGetIdioma = const char *(*)();
}  // namespace

bool BibliotecaIdioma::aplica(Catalogo &catalogo, const QString &pastaPrograma)
{
    BibliotecaExterna biblioteca(QString::fromLatin1(NomeBibliotecaIdioma), pastaPrograma);
    const auto getStr = reinterpret_cast<FuncaoGetStr>(biblioteca.funcao("GetStr"));
    if (!getStr)
        return false;
    catalogo.aplica([getStr](int numero) -> std::optional<QString> {
        const char *texto = getStr(int32_t(numero));
        if (!texto)
            return std::nullopt;
        // Copied at once: the library owns the string.
        return Windows1252::decodifica(texto, qsizetype(std::strlen(texto)));
    });
    return true;
}

QString BibliotecaIdioma::idioma(const QString &pastaPrograma)
{
    BibliotecaExterna biblioteca(QString::fromLatin1(NomeBibliotecaIdioma), pastaPrograma);
    if (!biblioteca.funcao("GetStr"))
        return QString::fromLatin1(IdiomaPrograma);
    const auto getIdioma = reinterpret_cast<FuncaoGetIdioma>(biblioteca.funcao("GetIdioma"));
    const char *nome = getIdioma ? getIdioma() : nullptr;
    return nome && *nome ? QString::fromLatin1(nome) : QStringLiteral("en");
}
