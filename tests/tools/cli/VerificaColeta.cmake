# Runs quorvane-cli coletar in a folder of its own and checks lines of the
# file it writes there.
#   cmake -DCLI=<program> -DARGS=<a;b;c> -DPASTA=<folder> -DARQUIVO=<file name>
#         "-DLINHAS=<line number>:<regex>;..." -P VerificaColeta.cmake
# The line numbers count from 1.
cmake_policy(SET CMP0007 NEW)  # empty lines count
file(REMOVE_RECURSE ${PASTA})
file(MAKE_DIRECTORY ${PASTA})
execute_process(COMMAND ${CLI} ${ARGS} WORKING_DIRECTORY ${PASTA}
  RESULT_VARIABLE codigo OUTPUT_VARIABLE saida ERROR_VARIABLE erros TIMEOUT 60)
if(NOT codigo STREQUAL "0")
  message(FATAL_ERROR "exit code ${codigo}\nstdout:\n${saida}\nstderr:\n${erros}")
endif()
if(NOT EXISTS ${PASTA}/${ARQUIVO})
  message(FATAL_ERROR "no ${ARQUIVO} written\nstdout:\n${saida}")
endif()
file(READ ${PASTA}/${ARQUIVO} conteudo)
string(REPLACE ";" "," conteudo "${conteudo}")
string(REPLACE "\r" "" conteudo "${conteudo}")
string(REPLACE "\n" ";" linhas "${conteudo}")
foreach(item IN LISTS LINHAS)
  string(FIND "${item}" ":" dois)
  string(SUBSTRING "${item}" 0 ${dois} numero)
  math(EXPR inicio "${dois} + 1")
  string(SUBSTRING "${item}" ${inicio} -1 padrao)
  math(EXPR indice "${numero} - 1")
  list(GET linhas ${indice} linha)
  if(NOT linha MATCHES "${padrao}")
    message(FATAL_ERROR "line ${numero} of ${ARQUIVO} is '${linha}', which does not match '${padrao}'")
  endif()
endforeach()
