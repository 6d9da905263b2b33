# The release this build makes, from the newest entry of packaging/changelog:
# its version must be the project's, so a new version cannot be built without
# an entry that says what changed; its date dates the AppStream release and
# the manual pages.
#   SPRHO_AUSGABEDATUM  the entry's date as YYYY-MM-DD
set(sprho_changelog ${CMAKE_CURRENT_LIST_DIR}/changelog)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${sprho_changelog})

file(STRINGS ${sprho_changelog} sprho_kopf LIMIT_COUNT 1 REGEX "^[a-z]")
file(STRINGS ${sprho_changelog} sprho_unterschrift LIMIT_COUNT 1 REGEX "^ -- ")
if(NOT sprho_kopf MATCHES "^spruchhort \\(([^)]+)\\)")
    message(FATAL_ERROR "${sprho_changelog}: the first line names no version")
endif()
if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
    message(FATAL_ERROR "${sprho_changelog}: the newest entry is ${CMAKE_MATCH_1}, the project "
                        "is ${PROJECT_VERSION}; add an entry for ${PROJECT_VERSION}")
endif()
if(NOT sprho_unterschrift MATCHES ", ([0-9][0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
    message(FATAL_ERROR "${sprho_changelog}: the newest entry has no date")
endif()
set(sprho_monate Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(FIND sprho_monate ${CMAKE_MATCH_2} sprho_monat)
set(sprho_nummern 01 02 03 04 05 06 07 08 09 10 11 12)
list(GET sprho_nummern ${sprho_monat} sprho_monat)
set(SPRHO_AUSGABEDATUM ${CMAKE_MATCH_3}-${sprho_monat}-${CMAKE_MATCH_1})
