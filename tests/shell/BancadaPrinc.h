#pragma once

// A main window on fakes: message boxes that record, a virtual clock, a
// settings file in a temporary folder, the serial devices the test says are
// present, and a port router whose "simulador" destination is a simulated
// Tarvek owned by the test.

#include "Catalogo.h"
#include "ConfigRegional.h"
#include "ConfiguracoesIni.h"
#include "DataHora.h"
#include "Fakes.h"
#include "JanelaFilha.h"
#include "TAquisicao.h"
#include "TFormGrafico.h"
#include "TFormPrinc.h"
#include "TMSCommRoteador.h"
#include "TMSCommSimulado.h"
#include "TarvekSimulado.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <QToolButton>

#include <memory>

inline QString pastaBibliotecaTeste(const char *nome)
{
    return QDir(QStringLiteral(PASTA_BIBLIOTECAS_TESTE)).filePath(QString::fromLatin1(nome));
}

// The recording of the window tests: "Forno", channels "Temp" and "Umid"
// (sensor 9; channel 2 absent with one channel) in unidade, limits 0 to
// 100, twenty readings ten seconds apart from 01/01/2000 10:00.
inline TAquisicao documentoForno(int canais = 2, const QString &unidade = {})
{
    TAquisicao a;
    a.Titulo = QStringLiteral("Forno");
    a.NumCanais = canais;
    a.SensorCanal1 = 9;
    a.SensorCanal2 = canais == 2 ? 9 : -1;
    a.NomeCanal1 = QStringLiteral("Temp");
    a.NomeCanal2 = QStringLiteral("Umid");
    a.UnidadeCanal1 = unidade;
    a.UnidadeCanal2 = unidade;
    a.LimSupCanal1 = 100;
    a.LimSupCanal2 = 100;
    a.defineIntervalo(10);
    a.Inicio = DataHora::codifica(2000, 1, 1, 10, 0, 0).value_or(0);
    for (int i = 0; i < 20; ++i)
        a.adicionaLeitura(20 + i, 50 - i);
    return a;
}

// A device path that no system has.
inline const QString DispositivoInexistente = QStringLiteral("/dev/quorvane-porta-inexistente");

struct BancadaPrinc
{
    QTemporaryDir pasta;
    QTemporaryDir pastaProgramaVazia;
    MensagensFalsas mensagens;
    RelogioVirtual relogio;
    SinalFalso sinal;
    Catalogo catalogo;
    ConfigRegional regional = ConfigRegional::portuguesBrasil();
    std::unique_ptr<ConfiguracoesIni> configuracoes;
    ListaPortasFalsa listaPortas;
    Ambiente ambiente;  // the router keeps a pointer to it
    TarvekSimulado tarvek;
    std::unique_ptr<TMSCommRoteador> porta;
    std::unique_ptr<TFormPrinc> princ;

    // ini: the settings file's lines; pastaPrograma: where the optional
    // libraries are looked for (an empty folder when not given); registros:
    // the records the window keeps (none when not given).
    explicit BancadaPrinc(
        const QStringList &ini, const QString &pastaPrograma = QString(), Registros *registros = nullptr)
    {
        const QString caminho = pasta.filePath(QStringLiteral("QUORVANE.INI"));
        if (!ini.isEmpty()) {
            QFile arquivo(caminho);
            if (arquivo.open(QIODevice::WriteOnly))
                arquivo.write((ini.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toLatin1());
        }
        configuracoes = std::make_unique<ConfiguracoesIni>(caminho);
        ambiente.mensagens = &mensagens;
        ambiente.relogio = &relogio;
        ambiente.sinal = &sinal;
        ambiente.configuracoes = configuracoes.get();
        ambiente.catalogo = &catalogo;
        ambiente.regional = &regional;
        ambiente.portas = &listaPortas;
        ambiente.registros = registros;
        porta = std::make_unique<TMSCommRoteador>(
            configuracoes.get(), [this] { return std::make_unique<TMSCommSimulado>(tarvek, relogio); },
            TMSCommRoteador::FabricaSerial(), &ambiente);
        princ = std::make_unique<TFormPrinc>(
            ambiente, catalogo, *porta, pastaPrograma.isEmpty() ? pastaProgramaVazia.path() : pastaPrograma);
    }

    // Shows the window and lets its first-show steps run.
    void mostra()
    {
        princ->show();
        QCoreApplication::processEvents();
    }

    // For the tests of the graph commands: the window at 1000 by 700 with
    // the test's file dialogs, shown, and the messages of its start-up
    // forgotten.
    static std::unique_ptr<BancadaPrinc> comGraficos(IDialogosArquivo *dialogos)
    {
        auto b = std::make_unique<BancadaPrinc>(QStringList {});
        b->princ->defineDialogos(dialogos);
        b->princ->resize(1000, 700);
        b->mostra();
        b->mensagens.registro.clear();
        return b;
    }

    // Lets the frame go without save questions: every graph counts as
    // saved, and a question still asked (a merged window's) is answered No.
    void encerraSemPerguntas()
    {
        mensagens.respostasSimNaoCancela.clear();
        for (int i = 0; i < 20; ++i)
            mensagens.respostasSimNaoCancela.enqueue(IMensagens::Resposta::Nao);
        for (QMdiSubWindow *s : princ->mdiArea()->subWindowList()) {
            if (auto *g = qobject_cast<TFormGrafico *>(s->widget()))
                g->Seta_Modo_Arq(true);
        }
    }

    QAction *item(const char *nome) const { return princ->findChild<QAction *>(QString::fromLatin1(nome)); }
    QToolButton *botao(const char *nome) const
    {
        return princ->findChild<QToolButton *>(QString::fromLatin1(nome));
    }
    // How many windows of a kind the workspace holds.
    int janelas(TipoJanela tipo) const
    {
        int n = 0;
        for (QMdiSubWindow *s : princ->mdiArea()->subWindowList())
            n += tipoJanela(s) == tipo ? 1 : 0;
        return n;
    }
    QString arquivoIni() const
    {
        QFile arquivo(pasta.filePath(QStringLiteral("QUORVANE.INI")));
        return arquivo.open(QIODevice::ReadOnly) ? QString::fromLatin1(arquivo.readAll()) : QString();
    }
    // The number of the checked port item, 0 when none is.
    int portaMarcada() const
    {
        int marcada = 0;
        const char *nomes[] = { "ItemCom1", "ItemCOM2", "ItemCOM3", "ItemCOM4" };
        for (int i = 0; i < 4; ++i) {
            if (item(nomes[i])->isChecked())
                marcada = marcada ? -1 : i + 1;
        }
        return marcada;
    }
    // Whether every device command that is built (menu items and speed
    // buttons) is enabled (1), every one disabled (0), or they disagree
    // (-1). Commands not built yet must be disabled throughout.
    int comandosDispositivo() const
    {
        const std::pair<const char *, const char *> comandos[]
            = { { "ItemAjusteOffset", nullptr }, { "ItemBateria", nullptr },
                  { "ItemConfigurar", "SpeedButtonConectar" }, { "ItemParar", "SpeedButtonParar" },
                  { "ItemColetarDados", "SpeedButtonColetar" }, { "ItemMonitorar", "SpeedButtonMonitorar" } };
        int ativos = 0;
        int construidos = 0;
        for (const auto &[nomeItem, nomeBotao] : comandos) {
            const bool construido = TFormPrinc::ComandoConstruido(nomeItem);
            const int n
                = int(item(nomeItem)->isEnabled()) + (nomeBotao ? int(botao(nomeBotao)->isEnabled()) : 0);
            if (!construido && n > 0)
                return -1;
            if (construido) {
                ativos += n;
                construidos += nomeBotao ? 2 : 1;
            }
        }
        return ativos == construidos ? 1 : ativos == 0 ? 0 : -1;
    }
};
