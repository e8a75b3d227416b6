#pragma once

#include "BancoRegistros.h"
#include "EventoAuditoria.h"
#include "SelosArquivo.h"
#include "TrilhaAuditoria.h"

#include <functional>
#include <memory>
#include <optional>

class IConfiguracoes;
class TAquisicao;

// The records of this installation as the program and quorvane-cli use them:
// the database of the data folder, or the server the settings name, the
// trail signed with the installation's key and the seals. When the database
// cannot be opened (a folder that cannot be written, a file that is not a
// database, a server that does not answer), disponivel() is false and
// motivo() says why: recordings still open, and writes to a logger are
// refused, since their intent cannot be recorded.
class Registros
{
public:
    // `banco`: empty for the SQLite file of `pasta`, or a server's URL
    // (EnderecoBanco).
    explicit Registros(const QString &pasta = BancoRegistros::pastaPadrao(),
        AutorEventos autor = AutorEventos::doSistema(), const QString &banco = {});
    // The records the settings name, those of the user's data folder when
    // they name none.
    explicit Registros(const IConfiguracoes &configuracoes);
    ~Registros();

    // Key BANCO of section [REGISTROS]: where the records are kept.
    static QString bancoConfigurado(const IConfiguracoes &configuracoes);

    bool disponivel() const { return m_trilha != nullptr; }
    QString motivo() const { return m_motivo; }
    // Where the records are: the database file, or the server and database.
    QString arquivo() const;

    // Appends an event; nothing on failure, with erro(). Records that could
    // not be opened are tried again first, so that a folder made writable
    // again is used at once.
    std::optional<qint64> registra(const EventoAuditoria &evento);
    QString erro() const { return m_erro; }

    // A write to a logger: its intent is recorded first, and only then is
    // `escrita` run; its outcome follows, with `resultado` (filled by the
    // write, e.g. the values written) merged into the details. Without the
    // intent recorded nothing is sent: false with erro() set and
    // `enviado` false.
    struct Escrita
    {
        bool ok = false;
        bool enviado = false;
    };
    Escrita escreveNoLogger(
        const EventoAuditoria &intencao, const std::function<bool(QJsonObject &resultado)> &escrita);

    // Records that the program wrote (or exported, or printed) a file: the
    // event, with the file's SHA-256, and the file's seal. `aquisicao` gives
    // the logger, title, period and entries of a recording; `excedeu`
    // whether it left its logger's alarm limits.
    std::optional<qint64> registraArquivo(const QString &acao, const QString &caminho, const QString &tipo,
        const TAquisicao *aquisicao = nullptr, std::optional<bool> excedeu = std::nullopt);

    // The integrity of a file now (SemRegistro without records).
    EstadoIntegridade integridade(const QString &caminho);

    TrilhaAuditoria *trilha() { return m_trilha.get(); }
    SelosArquivo *selos() { return m_selos.get(); }
    BancoRegistros &banco() { return *m_banco; }

    void defineRelogio(std::function<QDateTime()> agora);

private:
    bool abre();

    QString m_pasta;
    EnderecoBanco m_endereco;
    std::unique_ptr<BancoRegistros> m_banco;
    std::unique_ptr<TrilhaAuditoria> m_trilha;
    std::unique_ptr<SelosArquivo> m_selos;
    AutorEventos m_autor;
    std::function<QDateTime()> m_agora;
    QString m_motivo;
    QString m_erro;
};
