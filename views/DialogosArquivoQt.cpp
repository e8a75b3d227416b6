#include "DialogosArquivoQt.h"

#include "NomeArquivoGrafico.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

IDialogosArquivo::Escolha DialogosArquivoQt::abrir(QWidget *pai, const QString &titulo, const QString &filtro)
{
    QFileDialog d(pai, titulo, m_pasta);
    d.setAcceptMode(QFileDialog::AcceptOpen);
    d.setFileMode(QFileDialog::ExistingFile);
    const QStringList filtros = NomeArquivoGrafico::filtros(filtro);
    d.setNameFilters(filtros);
    Escolha e;
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty())
        return e;
    e.caminho = d.selectedFiles().constFirst();
    e.filtro = int(qMax<qsizetype>(0, filtros.indexOf(d.selectedNameFilter())));
    m_pasta = QFileInfo(e.caminho).absolutePath();
    return e;
}

QString DialogosArquivoQt::salvar(QWidget *pai, const QString &titulo, const QString &filtro,
    const QString &extensaoPadrao, const QString &nomeProposto)
{
    QFileDialog d(pai, titulo, m_pasta);
    d.setAcceptMode(QFileDialog::AcceptSave);
    d.setNameFilters(NomeArquivoGrafico::filtros(filtro));
    d.setDefaultSuffix(extensaoPadrao);
    d.selectFile(nomeProposto);
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty())
        return QString();
    const QString caminho = d.selectedFiles().constFirst();
    m_pasta = QFileInfo(caminho).absolutePath();
    return caminho;
}

QString DialogosArquivoQt::pasta(QWidget *pai, const QString &titulo, const QString &inicial)
{
    QFileDialog d(pai, titulo, inicial.isEmpty() ? m_pasta : inicial);
    d.setAcceptMode(QFileDialog::AcceptOpen);
    d.setFileMode(QFileDialog::Directory);
    d.setOption(QFileDialog::ShowDirsOnly);
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty())
        return QString();
    return d.selectedFiles().constFirst();
}
