#pragma once

// Fakes of the seams: they record what the code under test did and answer
// its questions from queues the test fills.

#include "IConfiguracoes.h"
#include "ILinhaStatus.h"
#include "IListaPortas.h"
#include "IMensagens.h"
#include "IRelogio.h"
#include "ISinalSonoro.h"

#include <QHash>
#include <QList>
#include <QQueue>
#include <QString>

#include <functional>

struct MensagemRegistrada
{
    enum class Tipo { Aviso, Informacao, Listagem, SimNao, SimNaoCancela, Erro } tipo;
    QString texto;
};

class MensagensFalsas : public IMensagens
{
public:
    QList<MensagemRegistrada> registro;
    QQueue<bool> respostasSimNao;  // default Yes
    QQueue<Resposta> respostasSimNaoCancela;  // default Cancel
    // Runs when a box is shown, as if the user acted while it was open.
    std::function<void(const MensagemRegistrada &)> aoMostrar;

    void aviso(const QString &texto) override { anota(MensagemRegistrada::Tipo::Aviso, texto); }
    void informacao(const QString &texto) override { anota(MensagemRegistrada::Tipo::Informacao, texto); }
    void listagem(const QString &texto) override { anota(MensagemRegistrada::Tipo::Listagem, texto); }
    void erro(const QString &texto) override { anota(MensagemRegistrada::Tipo::Erro, texto); }
    bool simNao(const QString &texto) override
    {
        anota(MensagemRegistrada::Tipo::SimNao, texto);
        return respostasSimNao.isEmpty() ? true : respostasSimNao.dequeue();
    }
    Resposta simNaoCancela(const QString &texto) override
    {
        anota(MensagemRegistrada::Tipo::SimNaoCancela, texto);
        return respostasSimNaoCancela.isEmpty() ? Resposta::Cancela : respostasSimNaoCancela.dequeue();
    }

    QStringList textos() const
    {
        QStringList t;
        for (const auto &m : registro)
            t << m.texto;
        return t;
    }

private:
    void anota(MensagemRegistrada::Tipo tipo, const QString &texto)
    {
        registro.append({ tipo, texto });
        if (aoMostrar)
            aoMostrar(registro.last());
    }
};

// Virtual time: sleeping advances it at once. processaMensagens() runs the
// hook the test set, as if window events arrived during a wait. The date
// and time start at 07/12/2026 09:30:00 (or what defineDataHora gives) and
// follow the ticks.
class RelogioVirtual : public IRelogio
{
public:
    int64_t agora = 1000;
    int64_t totalDormido = 0;
    int mensagensProcessadas = 0;
    std::function<void()> aoProcessarMensagens;
    std::function<void(int64_t)> aoAvancar;  // called after each advance

    int64_t tickCount() const override { return agora; }
    TDateTime dataHoraAtual() const override
    {
        return m_dataHora + double(agora - m_tickDataHora) / DataHora::MilissegundosPorDia;
    }
    // The date and time from now on; the ticks go on as they were.
    void defineDataHora(TDateTime dataHora)
    {
        m_dataHora = dataHora;
        m_tickDataHora = agora;
    }
    void dorme(int ms) override { avanca(ms); }
    void processaMensagens() override
    {
        ++mensagensProcessadas;
        if (aoProcessarMensagens)
            aoProcessarMensagens();
    }
    void avanca(int64_t ms)
    {
        agora += ms;
        totalDormido += ms;
        if (aoAvancar)
            aoAvancar(agora);
    }

private:
    TDateTime m_dataHora = DataHora::codifica(2026, 12, 7, 9, 30).value_or(0);
    int64_t m_tickDataHora = 1000;
};

class SinalFalso : public ISinalSonoro
{
public:
    int bips = 0;
    QList<int64_t> instantes;  // when each beep sounded, if a clock is given
    const IRelogio *relogio = nullptr;
    void bip() override
    {
        ++bips;
        if (relogio)
            instantes.append(relogio->tickCount());
    }
};

class LinhaStatusFalsa : public ILinhaStatus
{
public:
    QString texto;
    Cor cor = Cor::Preto;
    QStringList historico;  // every text written, in order
    int repinturas = 0;
    void defineTexto(const QString &t) override
    {
        texto = t;
        historico.append(t);
    }
    void defineCor(Cor c) override { cor = c; }
    void repinta() override { ++repinturas; }
};

class ConfiguracoesMemoria : public IConfiguracoes
{
public:
    QHash<QString, QString> valores;  // "SECAO/CHAVE" -> value
    // Anything but Nenhuma refuses every write with that reason.
    GravacaoConfiguracao::Falha falha = GravacaoConfiguracao::Falha::Nenhuma;
    QString arquivo = QStringLiteral("QUORVANE.INI");
    int gravacoes = 0;  // writes asked for, refused ones included
    QString le(const QString &secao, const QString &chave, const QString &padrao) const override
    {
        return valores.value(secao + u'/' + chave, padrao);
    }
    GravacaoConfiguracao grava(const QString &secao, const QString &chave, const QString &valor) override
    {
        ++gravacoes;
        if (falha == GravacaoConfiguracao::Falha::Nenhuma)
            valores.insert(secao + u'/' + chave, valor);
        return { falha, arquivo };
    }
};

// The serial devices a test says are present, and what each path is.
class ListaPortasFalsa : public IListaPortas
{
public:
    QList<DispositivoSerial> presentes;
    QHash<QString, SituacaoDispositivo> situacoes;  // path -> what it is; absent when not listed
    QList<DispositivoSerial> dispositivos() const override { return presentes; }
    SituacaoDispositivo situacao(const QString &caminho) const override { return situacoes.value(caminho); }
};
