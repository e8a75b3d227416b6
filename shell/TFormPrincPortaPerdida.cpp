// A port whose device went away during an exchange (an adapter pulled out):
// the link has closed it; the window treats it as a port that did not open,
// so that choosing it again in the "&Porta" menu opens it once the device
// is back.
#include "TFormPrinc.h"

#include "Catalogo.h"
#include "IMensagens.h"
#include "TDatalogger.h"

namespace {
constexpr int TextoReconecte = 324;
}

void TFormPrinc::PortaPerdida()
{
    m_perdaPendente = true;
    DesabilitaPortas();
    atualizaCampoPorta();
}

bool TFormPrinc::AvisaPortaPerdida()
{
    if (!m_perdaPendente)
        return false;
    m_perdaPendente = false;
    m_ambiente.mensagens->aviso(m_datalogger->TextoPerda() + u'\n' + m_catalogo.texto(TextoReconecte));
    return true;
}
