# Joins the text files in order and packs them into one archive.
set(gesamt "${ZIEL}.txt")
file(WRITE "${gesamt}" "")
foreach(text IN LISTS TEXTE)
    file(READ "${text}" inhalt)
    file(APPEND "${gesamt}" "${inhalt}")
endforeach()
execute_process(
    COMMAND "${WERKZEUG}" pack "${gesamt}" "${ZIEL}"
    RESULT_VARIABLE ergebnis)
if(NOT ergebnis EQUAL 0)
    message(FATAL_ERROR "sprho-archiv pack ist fehlgeschlagen (${ergebnis})")
endif()
