#include "ProgressoConsole.h"

#include <QTextStream>

ProgressoConsole::ProgressoConsole(QTextStream &erros, const QString &rotulo)
    : m_erros(erros)
    , m_rotulo(rotulo)
{
}

void ProgressoConsole::iniciaPorta(int porta, const QString &dispositivo)
{
    termina();
    m_porPorta = true;
    m_rotulo = QStringLiteral("COM%1 (%2)").arg(porta).arg(dispositivo);
    m_erros << m_rotulo << Qt::flush;
    m_escreveu = true;
}

void ProgressoConsole::identificado(const QString &numeroSerie, const QString &)
{
    if (m_porPorta)
        m_rotulo += u' ' + numeroSerie;
}

void ProgressoConsole::iniciaPaginas(int total)
{
    m_total = total;
    paginaLida(0);
}

void ProgressoConsole::paginaLida(int lidas)
{
    m_erros << '\r' << m_rotulo << ' ' << lidas << '/' << m_total << Qt::flush;
    m_escreveu = true;
}

void ProgressoConsole::termina()
{
    if (m_escreveu)
        m_erros << Qt::endl;
    m_escreveu = false;
}
