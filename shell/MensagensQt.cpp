#include "MensagensQt.h"

#include <QApplication>
#include <QMessageBox>

namespace {
QString titulo()
{
    return QApplication::applicationDisplayName();
}
}  // namespace

void MensagensQt::aviso(const QString &texto)
{
    QMessageBox::warning(m_janela, titulo(), texto);
}

void MensagensQt::informacao(const QString &texto)
{
    QMessageBox::information(m_janela, titulo(), texto);
}

bool MensagensQt::simNao(const QString &texto)
{
    return QMessageBox::question(m_janela, titulo(), texto, QMessageBox::Yes | QMessageBox::No)
        == QMessageBox::Yes;
}

IMensagens::Resposta MensagensQt::simNaoCancela(const QString &texto)
{
    switch (QMessageBox::question(
        m_janela, titulo(), texto, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
    case QMessageBox::Yes:
        return Resposta::Sim;
    case QMessageBox::No:
        return Resposta::Nao;
    default:
        return Resposta::Cancela;
    }
}

void MensagensQt::erro(const QString &texto)
{
    QMessageBox::critical(m_janela, titulo(), texto);
}
