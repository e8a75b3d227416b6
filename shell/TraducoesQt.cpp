#include "TraducoesQt.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QStringList>
#include <QTranslator>

QString TraducoesQt::arquivo(const QString &idioma, const QString &pasta)
{
    if (idioma.isEmpty())
        return {};
    // "pt_BR", then "pt".
    QStringList nomes { idioma };
    const QString lingua = idioma.section(u'_', 0, 0);
    if (lingua != idioma)
        nomes.append(lingua);
    for (const QString &nome : nomes) {
        const QString caminho = QDir(pasta).filePath(QStringLiteral("qtbase_%1.qm").arg(nome));
        if (QFileInfo(caminho).isFile())
            return caminho;
    }
    return {};
}

bool TraducoesQt::instala(QTranslator &tradutor, const QString &idioma)
{
    const QString caminho = arquivo(idioma, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return !caminho.isEmpty() && tradutor.load(caminho) && QCoreApplication::installTranslator(&tradutor);
}
