#include "ConfiguracoesIni.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {

const char kNomeArquivo[] = "QUORVANE.INI";

// The name as the file spells it, or the name given when the file lacks it.
QString nomeExistente(const QStringList &existentes, const QString &nome)
{
    for (const QString &e : existentes) {
        if (e.compare(nome, Qt::CaseInsensitive) == 0)
            return e;
    }
    return nome;
}

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
    if (!QFileInfo::exists(m_caminho))
        return padrao;
    QSettings arquivo(m_caminho, QSettings::IniFormat);
    arquivo.beginGroup(nomeExistente(arquivo.childGroups(), secao));
    const QString nome = nomeExistente(arquivo.childKeys(), chave);
    if (!arquivo.contains(nome))
        return padrao;
    const QVariant valor = arquivo.value(nome);
    // A value with commas comes back as a list; the program wants the text.
    if (valor.typeId() == QMetaType::QStringList)
        return valor.toStringList().join(u',');
    return valor.toString();
}

void ConfiguracoesIni::grava(const QString &secao, const QString &chave, const QString &valor)
{
    QDir().mkpath(QFileInfo(m_caminho).absolutePath());
    QSettings arquivo(m_caminho, QSettings::IniFormat);
    arquivo.beginGroup(nomeExistente(arquivo.childGroups(), secao));
    arquivo.setValue(nomeExistente(arquivo.childKeys(), chave), valor);
    arquivo.endGroup();
    arquivo.sync();
}
