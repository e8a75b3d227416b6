# cmake -DBUILD=... -DPREFIXO=... -DBINDIR=... -DPASTA_BIBLIOTECAS=...
#       -DDATADIR=... -DMANDIR=... -P VerificaInstalacao.cmake
# Installs the build into PREFIXO and checks that everything is in its place
# and that the installed command-line programs run from there.

get_filename_component(PASTA ${PREFIXO} DIRECTORY)

function(falha texto)
  message(FATAL_ERROR "tst_Instalacao: ${texto}")
endfunction()

function(executa)
  cmake_parse_arguments(E "" "SAIDA" "COMANDO" ${ARGN})
  execute_process(COMMAND ${E_COMANDO} RESULT_VARIABLE rc OUTPUT_VARIABLE saida ERROR_VARIABLE erro
    WORKING_DIRECTORY ${PASTA})
  if(NOT rc EQUAL 0)
    falha("${E_COMANDO} exited with ${rc}:\n${saida}\n${erro}")
  endif()
  if(E_SAIDA)
    set(${E_SAIDA} "${saida}" PARENT_SCOPE)
  endif()
endfunction()

file(REMOVE_RECURSE ${PREFIXO})
executa(COMANDO ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIXO})

set(bin ${PREFIXO}/${BINDIR})
# The language library where the program looks for its libraries
# (bin/ + the relative folder it was built with).
get_filename_component(bibliotecas "${bin}/${PASTA_BIBLIOTECAS}" ABSOLUTE)
# The formula library in the same folder, when it was built.
if(FORMULAS)
  set(formulas ${bibliotecas}/${FORMULAS})
endif()
foreach(arquivo
    ${bin}/quorvane ${bin}/quorvane-cli ${bin}/quorvane-tarvek-sim
    ${bibliotecas}/ingles/liblanguage.so
    ${formulas}
    ${PREFIXO}/${DATADIR}/applications/quorvane.desktop
    ${PREFIXO}/${DATADIR}/mime/packages/quorvane.xml
    ${PREFIXO}/${DATADIR}/icons/hicolor/scalable/apps/quorvane.svg
    ${PREFIXO}/${DATADIR}/doc/quorvane/quorvane.html
    ${PREFIXO}/${MANDIR}/man1/quorvane-cli.1
    ${PREFIXO}/lib/systemd/user/quorvane-coleta.service
    ${PREFIXO}/lib/systemd/user/quorvane-coleta.timer)
  if(NOT EXISTS ${arquivo})
    falha("not installed: ${arquivo}")
  endif()
endforeach()
# The English library is installed, not active: the program stays in
# Portuguese until it is put into the libraries' folder.
if(EXISTS ${bibliotecas}/liblanguage.so)
  falha("a language library is active after installation")
endif()

# The desktop entry opens recordings of both types, given by name.
file(READ ${PREFIXO}/${DATADIR}/applications/quorvane.desktop entrada)
foreach(linha "Exec=quorvane %F" "Icon=quorvane"
    "MimeType=application/x-quorvane-qvg;application/x-quorvane-qvj;")
  string(FIND "${entrada}" "${linha}" k)
  if(k LESS 0)
    falha("the desktop entry lacks '${linha}'")
  endif()
endforeach()
file(READ ${PREFIXO}/${DATADIR}/mime/packages/quorvane.xml tipos)
foreach(tipo "type=\"application/x-quorvane-qvg\"" "pattern=\"*.qvg\"" "type=\"application/x-quorvane-qvj\""
    "pattern=\"*.qvj\"")
  string(FIND "${tipos}" "${tipo}" k)
  if(k LESS 0)
    falha("the file types lack ${tipo}")
  endif()
endforeach()
# The daily collection runs the installed tool on every logger.
file(READ ${PREFIXO}/lib/systemd/user/quorvane-coleta.service servico)
file(READ ${PREFIXO}/lib/systemd/user/quorvane-coleta.timer temporizador)
string(FIND "${servico}" "ExecStart=quorvane-cli coletar --todas" k)
string(FIND "${temporizador}" "Persistent=true" t)
if(k LESS 0 OR t LESS 0)
  falha("the collection's service or timer is not the daily coletar --todas")
endif()
find_program(VALIDA_DESKTOP desktop-file-validate)
if(VALIDA_DESKTOP)
  executa(COMANDO ${VALIDA_DESKTOP} ${PREFIXO}/${DATADIR}/applications/quorvane.desktop)
endif()

# The installed tools run from the installed place.
executa(COMANDO ${bin}/quorvane-cli --help SAIDA ajuda)
string(FIND "${ajuda}" "coletar" k)
if(k LESS 0)
  falha("quorvane-cli --help does not list its commands:\n${ajuda}")
endif()
set(gravado ${PASTA}/instalado.qvg)
file(REMOVE ${gravado})
executa(COMANDO ${bin}/quorvane-cli coletar --porta simulador --saida ${gravado})
executa(COMANDO ${bin}/quorvane-cli abrir ${gravado} SAIDA cabecalho)
if(NOT cabecalho MATCHES "[0-9]")
  falha("quorvane-cli abrir printed nothing:\n${cabecalho}")
endif()
executa(COMANDO ${bin}/quorvane-tarvek-sim --cenarios)
message(STATUS "installed into ${PREFIXO} and ran quorvane-cli from there")
