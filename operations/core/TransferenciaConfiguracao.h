#pragma once

#include "Ambiente.h"

class EditorConfiguracao;
enum class CampoConfiguracao;
struct EnvioConfiguracao;
class TDatalogger;

// The configuration window's exchanges with the logger through the link:
// the three reads that fill the editor when the window opens, and the two
// writes of what it encodes. Failures and the final success are shown
// through the environment's message boxes, each with its own text; the
// caller keeps the hourglass cursor meanwhile.
class TransferenciaConfiguracao
{
public:
    // The link and the environment's pointers must outlive the object.
    TransferenciaConfiguracao(TDatalogger &datalogger, const Ambiente &ambiente);

    // Reads the configuration, non-volatile and calibration blocks, signals
    // and fills the editor. False (after the failure's message) when a read
    // failed; the editor is then left as it was.
    bool RecebeConfiguracoes(EditorConfiguracao &editor);
    // Encodes the editor and writes the configuration, then the
    // non-volatile block; on success signals and says so. False when the
    // interval does not convert (nothing is written, the field to take the
    // focus in foco) or a write failed.
    bool EnviaConfiguracoes(EditorConfiguracao &editor, CampoConfiguracao *foco = nullptr);
    // Writes blocks already encoded (EditorConfiguracao::codifica), so that
    // what was shown is what is sent.
    bool EnviaConfiguracoes(const EnvioConfiguracao &envio);

private:
    bool falha(int texto) const;

    TDatalogger &m_datalogger;
    Ambiente m_ambiente;
};
