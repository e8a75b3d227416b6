# quorvane-cli abrir and exportar on acquisition files (included by
# tests/documents): the header as the program shows it or as the file holds
# it, the refusals with the program's messages in the form of every failure
# and exit code 1, the export of the whole recording.
if(NOT TARGET quorvane-cli)
  return()
endif()

set(verifica ${PROJECT_SOURCE_DIR}/tests/tools/cli/VerificaCli.cmake)
set(amostra ${CMAKE_CURRENT_LIST_DIR}/amostra.qvg)

# As the program shows it after opening: channel 1's K thermocouple limits
# 0 and 500 become its range, Fim the instant of the last of 4 entries.
add_test(NAME cli_abrir_mostra_cabecalho
  COMMAND ${CMAKE_COMMAND} -DCLI=$<TARGET_FILE:quorvane-cli> "-DARGS=abrir;${amostra}" -DCODIGO=0
    "-DSAIDA=LimInfCanal1: -90\nLimSupCanal1: 1370\n;LimInfCanal2: -100\nLimSupCanal2: 1000\n;IntervaloAquisicoes: 10\n;Inicio: 02/01/2000 10:00:00\n;Fim: 02/01/2000 10:00:30\n;NumLeituras: 4\n;NumeroSerie: 65546\n;CodigoArquivo: 113\n"
    -P ${verifica})
add_test(NAME cli_abrir_como_gravado
  COMMAND ${CMAKE_COMMAND} -DCLI=$<TARGET_FILE:quorvane-cli> "-DARGS=abrir;--como-gravado;${amostra}"
    -DCODIGO=0 "-DSAIDA=LimInfCanal1: 0\nLimSupCanal1: 500\n;Fim: 02/01/2000 10:09:00\n;NumLeituras: 4\n"
    -P ${verifica})
add_test(NAME cli_abrir_recusa_entrada_invalida
  COMMAND ${CMAKE_COMMAND} -DCLI=$<TARGET_FILE:quorvane-cli>
    "-DARGS=abrir;${CMAKE_CURRENT_LIST_DIR}/formato.qvg" -DCODIGO=1
    "-DERROS=^quorvane-cli abrir: [^\n]+/formato[.]qvg: Formato de arquivo inválido[.] Verifique sua configuração\n$" -P ${verifica})
add_test(NAME cli_abrir_recusa_data_invalida
  COMMAND ${CMAKE_COMMAND} -DCLI=$<TARGET_FILE:quorvane-cli>
    "-DARGS=abrir;${CMAKE_CURRENT_LIST_DIR}/data.qvg" -DCODIGO=1
    "-DERROS=^quorvane-cli abrir: [^\n]+/data[.]qvg: o cabeçalho não se lê [^\n]+\n$" -P ${verifica})
add_test(NAME cli_abrir_recusa_arquivo_ausente
  COMMAND ${CMAKE_COMMAND} -DCLI=$<TARGET_FILE:quorvane-cli>
    "-DARGS=abrir;${CMAKE_CURRENT_LIST_DIR}/nao-existe.qvg" -DCODIGO=1
    "-DERROS=^quorvane-cli abrir: [^\n]+/nao-existe[.]qvg: o arquivo não existe\n$" -P ${verifica})
# A device is refused before it is opened (it never ends), a merged graph
# before it is read by a command that reads recordings.
add_test(NAME cli_abrir_recusa_dispositivo
  COMMAND ${CMAKE_COMMAND} -DCLI=$<TARGET_FILE:quorvane-cli> "-DARGS=abrir;/dev/zero" -DCODIGO=1
    "-DERROS=^quorvane-cli abrir: /dev/zero: não é um arquivo comum [^\n]+\n$" -P ${verifica})
add_test(NAME cli_exportar_recusa_juncao
  COMMAND ${CMAKE_COMMAND} -DCLI=$<TARGET_FILE:quorvane-cli>
    "-DARGS=exportar;${CMAKE_CURRENT_LIST_DIR}/../qvj/tres-gravacoes.qvj;${CMAKE_CURRENT_BINARY_DIR}/nao-escrito.txt"
    -DCODIGO=1 "-DERROS=^quorvane-cli exportar: [^\n]+[.]qvj: é um gráfico de junção [(][.]qvj[)]; exportar lê um arquivo [.]qvg\n$"
    -P ${verifica})
add_test(NAME cli_abrir_uso_incorreto
  COMMAND ${CMAKE_COMMAND} -DCLI=$<TARGET_FILE:quorvane-cli> "-DARGS=abrir;${amostra};--tudo" -DCODIGO=2
    "-DERROS=^quorvane-cli abrir: argumento não reconhecido: --tudo\n$" -P ${verifica})
add_test(NAME cli_abrir_ajuda
  COMMAND ${CMAKE_COMMAND} -DCLI=$<TARGET_FILE:quorvane-cli> "-DARGS=abrir;--help" -DCODIGO=0
    "-DSAIDA=abrir ARQUIVO[.]qvg[|]ARQUIVO[.]qvj \\[--como-gravado\\];--como-gravado +mostra os valores como estão no arquivo"
    -P ${verifica})
add_test(NAME cli_exportar_recusa_arquivo_ausente
  COMMAND ${CMAKE_COMMAND} -DCLI=$<TARGET_FILE:quorvane-cli>
    "-DARGS=exportar;${CMAKE_CURRENT_LIST_DIR}/nao-existe.qvg;${CMAKE_CURRENT_BINARY_DIR}/nao-escrito.txt"
    -DCODIGO=1 "-DERROS=^quorvane-cli exportar: [^\n]+/nao-existe[.]qvg: o arquivo não existe\n$" -P ${verifica})
add_test(NAME cli_exportar_gravacao_inteira
  COMMAND ${CMAKE_COMMAND} -DCLI=$<TARGET_FILE:quorvane-cli> -DENTRADA=${amostra}
    -DSAIDA=${CMAKE_CURRENT_BINARY_DIR}/cli_exportar.txt -DTOTAL=31
    "-DLINHAS=^N.mero de S.rie:  00010010$;^Total de Aquisi..es: 4$;^ $;^Tabela de Aquisi..es$;^Num. Registro +Hor.rio +Data +Canal 1 +Canal 2$;^00001                 10:00:00          02/01/2000     23[.,]46                  -1[.,]50          $;^00004                 10:00:30          02/01/2000     -7[.,]25                  12[.,]50          $"
    -P ${CMAKE_CURRENT_LIST_DIR}/VerificaExportacao.cmake)
set_tests_properties(cli_abrir_mostra_cabecalho cli_abrir_como_gravado cli_abrir_recusa_entrada_invalida
  cli_abrir_recusa_data_invalida cli_abrir_recusa_arquivo_ausente cli_abrir_uso_incorreto
  cli_abrir_ajuda cli_abrir_recusa_dispositivo cli_exportar_recusa_juncao cli_exportar_recusa_arquivo_ausente cli_exportar_gravacao_inteira PROPERTIES LABELS "core;cli" TIMEOUT 90)

# A merged graph: the axes' units, each entry's channels, interval and
# reading count, the same from a file written under "," and under ".".
foreach(variante tres-gravacoes tres-gravacoes-ponto)
  add_test(NAME cli_abrir_juncao_${variante}
    COMMAND ${CMAKE_COMMAND} -DCLI=$<TARGET_FILE:quorvane-cli>
      "-DARGS=abrir;${CMAKE_CURRENT_LIST_DIR}/../qvj/${variante}.qvj" -DCODIGO=0
      "-DSAIDA=^UnidadeEixoEsquerdo: °C\nUnidadeEixoDireito: %\nNumEntradas: 3\nEntrada 1\n  NumCanais: 2\n  NomeCanal1: Forno A\n  NomeCanal2: Forno B\n;  EscalaMin: 20\n  EscalaMax: 250\n  Inicio: 05/03/2024 08:00:00\n  Fim: 05/03/2024 08:10:00\n  NumLeituras: 11\nEntrada 2\n"
      -P ${verifica})
  set_tests_properties(cli_abrir_juncao_${variante} PROPERTIES LABELS "core;cli" TIMEOUT 90)
endforeach()
add_test(NAME cli_abrir_juncao_recusada
  COMMAND ${CMAKE_COMMAND} -DCLI=$<TARGET_FILE:quorvane-cli> "-DARGS=abrir;${amostra}.qvj" -DCODIGO=1
    "-DERROS=^quorvane-cli abrir: [^\n]+amostra[.]qvg[.]qvj: o arquivo não existe\n$" -P ${verifica})
set_tests_properties(cli_abrir_juncao_recusada PROPERTIES LABELS "core;cli" TIMEOUT 90)
