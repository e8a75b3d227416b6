#include "BibliotecaFormulas.h"

#include "Catalogo.h"

namespace {
constexpr int kNaoLocalizada = 178;
}

BibliotecaFormulas::BibliotecaFormulas(const QString &pastaPrograma)
    : m_biblioteca(nome(), pastaPrograma)
{
}

BibliotecaFormulas::~BibliotecaFormulas() = default;

std::vector<Formulas::TFormula> BibliotecaFormulas::formulas()
{
    std::vector<Formulas::TFormula> lista;
    if (!m_biblioteca.carregada())
        return lista;
    const auto total
        = reinterpret_cast<Formulas::TNroTotalDeFormulas>(m_biblioteca.funcao(QUORVANE_NOME_NRO_TOTAL));
    const auto informa
        = reinterpret_cast<Formulas::TInformaDados>(m_biblioteca.funcao(QUORVANE_NOME_INFORMA_DADOS));
    const int32_t n = total ? total() : 0;
    for (int32_t i = 0; i < n; ++i) {
        Formulas::TFormula f {};
        if (informa)
            informa(i, &f);
        lista.push_back(f);
    }
    return lista;
}

long double BibliotecaFormulas::calcula(
    const Formulas::TFormula &formula, const std::vector<Formulas::TLeitura> &entradas)
{
    const auto calcula = reinterpret_cast<Formulas::TCalcula>(m_biblioteca.funcao(QUORVANE_NOME_CALCULA));
    if (!calcula)
        return 0;
    const Formulas::TFormula copia = formula;
    return calcula(&copia, entradas.data());
}

QString BibliotecaFormulas::nome()
{
    return QStringLiteral("equation");
}

QString BibliotecaFormulas::nomeArquivo()
{
#if defined(Q_OS_WIN)
    return nome() + QStringLiteral(".dll");
#elif defined(Q_OS_DARWIN)
    return QStringLiteral("lib") + nome() + QStringLiteral(".dylib");
#else
    return QStringLiteral("lib") + nome() + QStringLiteral(".so");
#endif
}

QString BibliotecaFormulas::mensagemAusente(const Catalogo &catalogo)
{
    QString t = catalogo.texto(kNaoLocalizada);
    return t.contains(QStringLiteral("%1")) ? t.arg(nomeArquivo()) : t;
}
