#include "OpcoesLinha.h"

int OpcoesLinha::procura(const QString &nome, QString *valorJunto) const
{
    const QString opcao = QStringLiteral("--") + nome;
    for (int i = 0; i < m_argumentos.size(); ++i) {
        const QString &a = m_argumentos[i];
        if (a == opcao)
            return i;
        if (valorJunto && a.startsWith(opcao + u'=')) {
            *valorJunto = a.mid(opcao.size() + 1);
            return i;
        }
    }
    return -1;
}

QString OpcoesLinha::valor(const QString &nome)
{
    QString junto;
    const int i = procura(nome, &junto);
    if (i < 0)
        return {};
    m_tomados.insert(i);
    if (m_argumentos[i].contains(u'='))
        return junto;
    if (i + 1 >= m_argumentos.size()) {
        m_erro = QStringLiteral("falta o valor de --%1").arg(nome);
        return {};
    }
    m_tomados.insert(i + 1);
    return m_argumentos[i + 1];
}

bool OpcoesLinha::sinal(const QString &nome)
{
    const int i = procura(nome, nullptr);
    if (i < 0)
        return false;
    m_tomados.insert(i);
    return true;
}

QStringList OpcoesLinha::sobras() const
{
    QStringList s;
    for (int i = 0; i < m_argumentos.size(); ++i)
        if (!m_tomados.contains(i))
            s << m_argumentos[i];
    return s;
}

QString OpcoesLinha::opcaoNaoReconhecida() const
{
    const auto nome = [](const QString &a) { return a.section(u'=', 0, 0); };
    for (int i = 0; i < m_argumentos.size(); ++i) {
        const QString &s = m_argumentos[i];
        if (m_tomados.contains(i) || !s.startsWith(QLatin1String("--")))
            continue;
        // The same option again: one of its occurrences was taken.
        for (const int t : m_tomados)
            if (nome(m_argumentos[t]) == nome(s))
                return QStringLiteral("a opção %1 foi dada duas vezes").arg(nome(s));
        return QStringLiteral("argumento não reconhecido: ") + s;
    }
    return {};
}
