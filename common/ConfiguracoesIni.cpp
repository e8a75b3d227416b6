#include "ConfiguracoesIni.h"

#include "ArquivoIni.h"
#include "GravacaoAtomica.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const char kNomeArquivo[] = "QUORVANE.INI";

}  // namespace

ConfiguracoesIni::ConfiguracoesIni()
    : m_caminho(caminhoPadrao())
{
}

ConfiguracoesIni::ConfiguracoesIni(const QString &caminhoArquivo)
    : m_caminho(caminhoArquivo)
{
}

QString ConfiguracoesIni::caminhoPadrao()
{
    QString pasta = qEnvironmentVariable("QUORVANE_CONFIG_DIR");
    if (pasta.isEmpty())
        pasta = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
            + QStringLiteral("/Quorvane");
    return QDir(pasta).filePath(QString::fromLatin1(kNomeArquivo));
}

QString ConfiguracoesIni::le(const QString &secao, const QString &chave, const QString &padrao) const
{
    QFile arquivo(m_caminho);
    if (!arquivo.open(QIODevice::ReadOnly))
        return padrao;
    return ArquivoIni(arquivo.readAll()).le(secao, chave).value_or(padrao);
}

GravacaoConfiguracao ConfiguracoesIni::grava(const QString &secao, const QString &chave, const QString &valor)
{
    using Falha = GravacaoConfiguracao::Falha;
    const auto resultado = [this](Falha falha) { return GravacaoConfiguracao { falha, m_caminho }; };
    QByteArray anterior;
    const QFileInfo info(m_caminho);
    const bool existe = info.exists();
    if (existe) {
        QFile arquivo(m_caminho);
        // A file that is there but cannot be read is not replaced.
        if (!arquivo.open(QIODevice::ReadOnly))
            return resultado(Falha::Leitura);
        anterior = arquivo.readAll();
    }
    ArquivoIni ini(anterior);
    if (!ini.grava(secao, chave, valor))
        return resultado(Falha::Valor);
    if (existe && ini.conteudo() == anterior)
        return resultado(Falha::Nenhuma);
    const QString pasta = info.absolutePath();
    if (!QDir().mkpath(pasta))
        return resultado(Falha::Pasta);
    if (GravacaoAtomica::grava(m_caminho, ini.conteudo()))
        return resultado(Falha::Nenhuma);
    // The system's own text would be English: the reason is told by what
    // may be written here.
    const bool permitido = QFileInfo(pasta).isWritable() && (!existe || QFileInfo(m_caminho).isWritable());
    return resultado(permitido ? Falha::Escrita : Falha::Permissao);
}
