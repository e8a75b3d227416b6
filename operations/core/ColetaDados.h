#pragma once

#include "Ambiente.h"
#include "DecodificacaoColeta.h"
#include "TAquisicao.h"

#include <QString>

#include <optional>

class TDatalogger;

// A collection: reads the logger's three blocks and the memory pages that
// hold its acquisitions through the link, and decodes them into a document.
// The logger is only read. The caller decides what the user sees: it gets
// the failure's text, or the document, and follows the pages through an
// observer (the progress window, or a line on a terminal).
class ColetaDados
{
public:
    class Observador
    {
    public:
        virtual ~Observador() = default;
        // The three blocks are in: the logger's serial number as the
        // program shows it, and its title.
        virtual void identificado(const QString & /*numeroSerie*/, const QString & /*titulo*/) { }
        // The pages are about to be read: total of them.
        virtual void iniciaPaginas(int total) = 0;
        // lidas pages have been read.
        virtual void paginaLida(int lidas) = 0;
        // Every page is in (after the beep): a moment to repaint.
        virtual void paginasCompletas() { }
    };

    struct Resultado
    {
        int texto = 0;  // catalogue number of the failure, 0 on success
        QString mensagem;  // the failure's warning
        std::optional<TAquisicao> aquisicao;  // the document on success
        // Once the three blocks were read (a plan's failure too).
        QString numeroSerie;
        QString titulo;
        // The document as the graph window takes it judged by its logger's
        // profile, as the collection's event records it: none without a
        // profile, whose name or refusal is then in perfil.
        std::optional<bool> aprovado;
        QString perfil;
        bool ok() const { return aquisicao.has_value(); }
    };

    // The environment's settings, catalogue, beeper and clock, and the
    // link, must outlive the collection.
    ColetaDados(TDatalogger &datalogger, const Ambiente &ambiente);

    // Runs the collection once: the settings key FORCA_COLETA is read anew,
    // the page trace goes to DEBUG.TXT in pastaTraco (the current folder
    // when empty) after every page. A failure at any step gives no
    // document.
    Resultado executa(Observador *observador, const QString &pastaTraco = QString());
    // The part after the three reads: the pages of the plan into the memory
    // image, then the walk. A page that would not fit the image is refused
    // before it is read ("Falha no comando de Upload.", no document).
    Resultado coleta(const DecodificacaoColeta::Plano &plano, const QByteArray &calibracao,
        Observador *observador, const QString &pastaTraco = QString());

private:
    Resultado falha(int texto, const QString &mensagem = QString()) const;
    bool forcaColeta() const;
    void julga(Resultado &r) const;
    void registra(const Resultado &r, const QByteArray &memoria) const;

    TDatalogger &m_datalogger;
    Ambiente m_ambiente;
};
