# Writes the sample cup afresh and compares it byte for byte with the committed copy.
execute_process(COMMAND ${PROGRAMM} ${AUSGABE} RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "beispielcup_erzeugen ist fehlgeschlagen (${rc})")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${AUSGABE} ${VORLAGE} RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "${VORLAGE} weicht von der Ausgabe des Programms ab; "
                      "neu schreiben mit: cmake --build <Build-Verzeichnis> --target beispielcup")
endif()
