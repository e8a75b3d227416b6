#include "SeamsConsole.h"

void MensagensConsole::escreve(const QString &texto)
{
    // Message texts may hold CR LF line ends.
    QString t = texto;
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    m_erros << t.trimmed() << Qt::endl;
}

void MensagensConsole::aviso(const QString &texto)
{
    m_console.falha(texto);
}

void MensagensConsole::informacao(const QString &texto)
{
    escreve(texto);
}

bool MensagensConsole::simNao(const QString &texto)
{
    escreve(texto + QStringLiteral(" [Não]"));
    return false;
}

IMensagens::Resposta MensagensConsole::simNaoCancela(const QString &texto)
{
    escreve(texto + QStringLiteral(" [Cancelar]"));
    return Resposta::Cancela;
}

void MensagensConsole::erro(const QString &texto)
{
    m_console.falha(texto);
}

void LinhaStatusConsole::defineTexto(const QString &texto)
{
    m_texto = texto;
    if (m_cor == Cor::Vermelho && !texto.isEmpty())
        m_ultimoErro = texto;
    if (m_eco && !texto.isEmpty())
        m_erros << texto << Qt::endl;
}

void LinhaStatusConsole::defineCor(Cor cor)
{
    m_cor = cor;
    if (cor == Cor::Vermelho && !m_texto.isEmpty())
        m_ultimoErro = m_texto;
}
