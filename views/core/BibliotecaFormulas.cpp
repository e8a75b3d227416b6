#include "BibliotecaFormulas.h"

#include "Catalogo.h"

#include <QDir>

namespace {
constexpr int kNaoLocalizada = 178;
}

BibliotecaFormulas::BibliotecaFormulas(const QString &pastaPrograma)
{
    if (!pastaPrograma.isEmpty()) {
        m_biblioteca.setFileName(QDir(pastaPrograma).filePath(nome()));
        m_carregada = m_biblioteca.load();
    }
    if (!m_carregada) {
        m_biblioteca.setFileName(nome());
        m_carregada = m_biblioteca.load();
    }
}

BibliotecaFormulas::~BibliotecaFormulas()
{
    if (m_carregada)
        m_biblioteca.unload();
}

std::vector<Formulas::TFormula> BibliotecaFormulas::formulas()
{
    std::vector<Formulas::TFormula> lista;
    if (!m_carregada)
        return lista;
    const auto total
        = reinterpret_cast<Formulas::TNroTotalDeFormulas>(m_biblioteca.resolve(QUORVANE_NOME_NRO_TOTAL));
    const auto informa
        = reinterpret_cast<Formulas::TInformaDados>(m_biblioteca.resolve(QUORVANE_NOME_INFORMA_DADOS));
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
    const auto calcula = m_carregada
        ? reinterpret_cast<Formulas::TCalcula>(m_biblioteca.resolve(QUORVANE_NOME_CALCULA))
        : nullptr;
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
