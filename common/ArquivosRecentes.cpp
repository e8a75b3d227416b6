#include "ArquivosRecentes.h"

#include "IConfiguracoes.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString kSecao = QStringLiteral("ARQUIVOS_RECENTES");

QString chave(int i)
{
    return QStringLiteral("ARQUIVO%1").arg(i);
}

}  // namespace

ArquivosRecentes::Tipo ArquivosRecentes::tipo(const QString &caminho)
{
    const QString sufixo = QFileInfo(caminho).suffix().toLower();
    if (sufixo == u"qvg")
        return Tipo::Grafico;
    if (sufixo == u"qvj")
        return Tipo::Juncao;
    return Tipo::Nenhum;
}

ArquivosRecentes::ArquivosRecentes(IConfiguracoes *configuracoes)
    : m_configuracoes(configuracoes)
{
}

QString ArquivosRecentes::normaliza(const QString &caminho)
{
    return QDir::cleanPath(QFileInfo(caminho).absoluteFilePath());
}

QStringList ArquivosRecentes::lista() const
{
    QStringList caminhos;
    if (!m_configuracoes)
        return caminhos;
    for (int i = 1; i <= Maximo; ++i) {
        const QString valor = m_configuracoes->le(kSecao, chave(i), QString());
        if (!valor.isEmpty() && !caminhos.contains(valor))
            caminhos.append(valor);
    }
    return caminhos;
}

void ArquivosRecentes::registra(const QString &caminho)
{
    if (caminho.isEmpty() || caminho.contains(u'\n') || caminho.contains(u'\r'))
        return;
    const QString novo = normaliza(caminho);
    QStringList caminhos = lista();
    caminhos.removeAll(novo);
    caminhos.prepend(novo);
    grava(caminhos.mid(0, Maximo));
}

void ArquivosRecentes::remove(const QString &caminho)
{
    QStringList caminhos = lista();
    if (caminhos.removeAll(caminho) > 0)
        grava(caminhos);
}

void ArquivosRecentes::grava(const QStringList &caminhos)
{
    if (!m_configuracoes)
        return;
    // The program keeps the list on its own: a write that fails is not told.
    for (int i = 1; i <= Maximo; ++i) {
        GravacaoConfiguracao g;
        if (i <= caminhos.size())
            g = m_configuracoes->grava(kSecao, chave(i), u'"' + caminhos[i - 1] + u'"');
        else if (!m_configuracoes->le(kSecao, chave(i), QString()).isEmpty())
            g = m_configuracoes->grava(kSecao, chave(i), QString());
        if (!g.ok())
            return;
    }
}

QStringList ArquivosRecentes::legendas(const QStringList &caminhos)
{
    QStringList nomes;
    for (const QString &c : caminhos)
        nomes.append(QFileInfo(c).fileName());
    QStringList resultado;
    for (qsizetype i = 0; i < caminhos.size(); ++i) {
        QString texto = nomes.count(nomes[i]) > 1 ? caminhos[i] : nomes[i];
        texto.replace(u'&', QStringLiteral("&&"));
        resultado.append(QStringLiteral("&%1 %2").arg(i + 1).arg(texto));
    }
    return resultado;
}
