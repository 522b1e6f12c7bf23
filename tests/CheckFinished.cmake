# Fails when a text the sources mark has no finished translation in the shipped catalogue. The catalogue is
# first brought up to date from the sources in a scratch copy, so a newly marked text that nobody added to
# the .ts counts as missing too; the copy in the tree is never touched.
get_filename_component(name "${TS}" NAME)
set(copy "${WORK}/${name}")
file(COPY_FILE "${TS}" "${copy}")
execute_process(COMMAND "${LUPDATE}" -silent ${OPTIONS} ${SOURCES} -ts "${copy}"
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "lupdate failed:\n${out}")
endif()
execute_process(COMMAND "${LRELEASE}" "${copy}" -qm "${WORK}/check.qm"
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
message("${out}")
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "lrelease failed")
endif()
if(NOT out MATCHES "\\(([0-9]+) finished and 0 unfinished\\)" OR out MATCHES "Ignored [0-9]+ untranslated")
  message(FATAL_ERROR "${name} lacks finished translations (see ${copy}, entries with type=\"unfinished\")")
endif()
