#pragma once

#include "BibliotecaExterna.h"
#include "InterfaceFormulas.h"

#include <QString>

#include <vector>

class Catalogo;

// The formula library (libequation.so), loaded for one use and released
// when the object goes away, looked up as every optional library is
// (BibliotecaExterna: the program's folder, lib/quorvane when installed,
// the system's library search path). A missing export is skipped: no count gives no formulas, no
// InformaDados leaves the records empty, no Calcula gives 0.
class BibliotecaFormulas
{
public:
    explicit BibliotecaFormulas(const QString &pastaPrograma);
    ~BibliotecaFormulas();
    BibliotecaFormulas(const BibliotecaFormulas &) = delete;
    BibliotecaFormulas &operator=(const BibliotecaFormulas &) = delete;

    bool carregada() const { return m_biblioteca.carregada(); }

    // Every formula of the library, filled by InformaDados in list order.
    std::vector<Formulas::TFormula> formulas();
    // The result of Calcula over the entries (a copy of the record is
    // handed over).
    long double calcula(const Formulas::TFormula &formula, const std::vector<Formulas::TLeitura> &entradas);

    // The library's name without prefix and suffix, and the file the
    // program looks for on this system ("libequation.so").
    static QString nome();
    static QString nomeArquivo();
    // "Não foi possível localizar <file>. Verifique." (text 178).
    static QString mensagemAusente(const Catalogo &catalogo);

private:
    BibliotecaExterna m_biblioteca;
};
