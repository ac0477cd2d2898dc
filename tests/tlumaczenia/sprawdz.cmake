# Refreshes copies of the .ts files from the sources and requires every
# message in them to carry a finished, non-empty translation.
set(bledy 0)
# The copies have one place per build tree: runs side by side on the same
# tree take turns.
file(MAKE_DIRECTORY ${ROBOCZY})
file(LOCK ${ROBOCZY} DIRECTORY GUARD PROCESS TIMEOUT 600)
foreach(ts IN LISTS TS)
  get_filename_component(nazwa ${ts} NAME)
  set(kopia ${ROBOCZY}/${nazwa})
  configure_file(${ts} ${kopia} COPYONLY)
  execute_process(
    COMMAND ${LUPDATE} -silent -locations none -no-obsolete -source-language pl
            model comm ui controls editors app -ts ${kopia}
    WORKING_DIRECTORY ${ZRODLO}
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(SEND_ERROR "lupdate failed on ${nazwa}: ${err}")
    math(EXPR bledy "${bledy} + 1")
    continue()
  endif()
  file(READ ${kopia} tresc)
  string(REGEX MATCHALL "<source>[^<]*(<byte[^>]*>[^<]*)*</source>[ \n\r\t]*<translation type=\"unfinished\"" brak "${tresc}")
  string(REGEX MATCHALL "<source>[^<]*(<byte[^>]*>[^<]*)*</source>[ \n\r\t]*<translation>[ \n\r\t]*</translation>" puste "${tresc}")
  list(APPEND brak ${puste})
  list(LENGTH brak ile)
  if(ile GREATER 0)
    message(SEND_ERROR "${nazwa}: ${ile} text(s) without a finished translation:")
    foreach(b IN LISTS brak)
      string(REGEX REPLACE "[ \n\r\t]*<translation.*" "" b "${b}")
      message("  ${b}")
    endforeach()
    math(EXPR bledy "${bledy} + ${ile}")
  endif()
endforeach()
if(bledy GREATER 0)
  message(FATAL_ERROR "translations incomplete")
endif()
message(STATUS "translations complete")
