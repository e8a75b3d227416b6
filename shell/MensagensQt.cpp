#include "MensagensQt.h"

#include <QApplication>
#include <QFontDatabase>
#include <QLabel>
#include <QMessageBox>

namespace {
QString titulo()
{
    return QApplication::applicationDisplayName();
}

// A box shown while a command holds the hourglass gets the arrow for as
// long as it is open; the hourglass comes back when it closes.
class SetaEnquantoAberta
{
public:
    SetaEnquantoAberta()
        : m_ativa(QApplication::overrideCursor() != nullptr)
    {
        if (m_ativa)
            QApplication::setOverrideCursor(Qt::ArrowCursor);
    }
    ~SetaEnquantoAberta()
    {
        if (m_ativa)
            QApplication::restoreOverrideCursor();
    }
    SetaEnquantoAberta(const SetaEnquantoAberta &) = delete;
    SetaEnquantoAberta &operator=(const SetaEnquantoAberta &) = delete;

private:
    bool m_ativa;
};
}  // namespace

void MensagensQt::aviso(const QString &texto)
{
    SetaEnquantoAberta seta;
    QMessageBox::warning(m_janela, titulo(), texto);
}

void MensagensQt::informacao(const QString &texto)
{
    SetaEnquantoAberta seta;
    QMessageBox::information(m_janela, titulo(), texto);
}

void MensagensQt::listagem(const QString &texto)
{
    SetaEnquantoAberta seta;
    QMessageBox caixa(QMessageBox::Information, titulo(), texto, QMessageBox::Ok, m_janela);
    if (auto *rotulo = caixa.findChild<QLabel *>(QStringLiteral("qt_msgbox_label")))
        rotulo->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    caixa.exec();
}

bool MensagensQt::simNao(const QString &texto)
{
    SetaEnquantoAberta seta;
    return QMessageBox::question(m_janela, titulo(), texto, QMessageBox::Yes | QMessageBox::No)
        == QMessageBox::Yes;
}

IMensagens::Resposta MensagensQt::simNaoCancela(const QString &texto)
{
    SetaEnquantoAberta seta;
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
    SetaEnquantoAberta seta;
    QMessageBox::critical(m_janela, titulo(), texto);
}
