# quorvane-cli exportar --formato csv read back by Python's csv module
# (included by tests/tools): a two-channel and a half-second scenario and
# a recording across Sao Paulo's change of offset in 2018, with the
# separators of "," and of "." regional settings; and the file opened by
# LibreOffice, skipped where it is not installed.
if(NOT TARGET quorvane-cli)
  return()
endif()
find_package(Python3 COMPONENTS Interpreter)
if(NOT Python3_Interpreter_FOUND)
  message(WARNING "python3 not found: the CSV tests are left out")
  return()
endif()

set(verifica_csv ${CMAKE_CURRENT_LIST_DIR}/verifica_csv.py)
set(pasta_csv ${CMAKE_CURRENT_BINARY_DIR}/csv)
# LC_ALL=C gives the program Portuguese (Brazil) settings, en_US "." ones.
set(ambiente_csv TZ=America/Sao_Paulo QUORVANE_CONFIG_DIR=${pasta_csv}/sem-config)

function(teste_csv nome regional)
  add_test(NAME ${nome}
    COMMAND ${CMAKE_COMMAND} -E env ${ambiente_csv} LC_ALL=${regional}
      ${Python3_EXECUTABLE} ${verifica_csv} --cli $<TARGET_FILE:quorvane-cli> --pasta ${pasta_csv}/${nome}
      ${ARGN})
  set_tests_properties(${nome} PROPERTIES LABELS "core;cli" TIMEOUT 120 SKIP_RETURN_CODE 77)
endfunction()

teste_csv(cli_csv_dois_canais C --cenario j-4a20ma)
teste_csv(cli_csv_meio_segundo C --cenario meio-segundo)
teste_csv(cli_csv_troca_de_horario C)
teste_csv(cli_csv_regional_ponto en_US.UTF-8 --cenario j-4a20ma --separador , --decimal .)
teste_csv(cli_csv_meio_segundo_regional_ponto en_US.UTF-8 --cenario meio-segundo --separador , --decimal .)
teste_csv(cli_csv_libreoffice C --cenario j-4a20ma --libreoffice)

# quorvane-cli grafico: PNG, SVG and PDF of a recording and of a merged
# graph, drawn without a display, checked by a PNG reader, an XML parser
# and the PDF's page box.
if(TARGET quorvane_views)
  add_test(NAME cli_grafico_imagens
    COMMAND ${CMAKE_COMMAND} -E env QUORVANE_CONFIG_DIR=${pasta_csv}/sem-config LC_ALL=C
      ${Python3_EXECUTABLE} ${CMAKE_CURRENT_LIST_DIR}/verifica_grafico.py --cli $<TARGET_FILE:quorvane-cli>
      --pasta ${CMAKE_CURRENT_BINARY_DIR}/grafico --qvj ${PROJECT_SOURCE_DIR}/tests/documents/qvj/tres-gravacoes.qvj)
  set_tests_properties(cli_grafico_imagens PROPERTIES LABELS "cli" TIMEOUT 120)
endif()
