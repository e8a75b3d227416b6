#pragma once

#include <QDialog>
#include <QString>

class Catalogo;
class QLabel;

// The about box: the program's picture and name, its version and what it
// is, and an OK button.
class TAboutBox : public QDialog
{
    Q_OBJECT
public:
    TAboutBox(Catalogo &catalogo, const QString &pastaPrograma, QWidget *parent = nullptr);

private:
    void Language();

    Catalogo &m_catalogo;
    QString m_pastaPrograma;
    QLabel *m_versao;
    QLabel *m_comentario;
};
