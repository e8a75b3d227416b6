#pragma once

#include "Ambiente.h"
#include "AtribuicaoPortas.h"
#include "TestePorta.h"

#include <QDialog>
#include <QList>

#include <array>
#include <functional>
#include <memory>

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;
class QTimer;
class TMSComm;

// The "Portas..." window: the serial devices present with the simulated
// Tarvek, the device of each of COM1 to COM4 (one of the list, the
// simulator, or a path typed in), "Testar" beside each, which asks the
// logger on that device who it is, and "Gravar", which writes what changed
// to the settings file. The list follows the devices as they come and go.
// A view over AtribuicaoPortas and TestePorta.
class TFrmPortas : public QDialog
{
    Q_OBJECT
public:
    // A port of its own on a device, made as the main window makes its own;
    // null when it cannot be made.
    using CriaPorta = std::function<std::unique_ptr<TMSComm>(const QString &destino)>;

    // The environment's pointers must outlive the window.
    TFrmPortas(const Ambiente &ambiente, AtribuicaoPortas::LeDestino destino, CriaPorta criaPorta,
        QWidget *parent = nullptr);

    // The main window's open port: its device (empty when none is open).
    // A test of that device closes it first and reopens it afterwards, so
    // that no device is opened twice.
    std::function<QString()> dispositivoAberto;
    std::function<void()> fechaAberto;
    std::function<void()> reabreAberto;

    // Handlers (public so that tests can run them as the user and the
    // timer do).
    void BtnTestarClick(int porta);
    void BtnGravarClick();
    void TimerListaTimer();

    // The ports whose device "Gravar" wrote.
    const QList<int> &portasGravadas() const { return m_gravadas; }
    const TestePorta::Resultado &ultimoTeste() const { return m_resultado; }
    bool testando() const { return m_testando; }
    QTimer *timer() const { return TimerLista; }

    // While a test runs, "Cancela" (and closing) stops the test instead.
    void reject() override;

private:
    void registraPortas(const QList<int> &gravadas, const QStringList &antes, const QStringList &depois);
    void criaControles();
    void Language();
    void preencheTabela();
    void preencheEscolhas();
    void habilitaControles(bool ativos);
    QString texto(int numero) const;

    Ambiente m_ambiente;
    AtribuicaoPortas m_regras;
    CriaPorta m_criaPorta;
    QTableWidget *TabelaDispositivos = nullptr;
    QLabel *LabelDispositivos = nullptr;
    QLabel *LabelPortas = nullptr;
    std::array<QComboBox *, TMSComm::UltimaPorta> ComboPorta {};
    std::array<QPushButton *, TMSComm::UltimaPorta> BtnTestar {};
    QLabel *LblResultado = nullptr;
    QPushButton *BtnGravar = nullptr;
    QPushButton *CancelBtn = nullptr;
    QTimer *TimerLista = nullptr;
    QList<int> m_gravadas;
    TestePorta::Resultado m_resultado;
    bool m_testando = false;
    TestePorta *m_teste = nullptr;  // while testing
};
