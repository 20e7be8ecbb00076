# quorin-docgen --check: passes on pages it has just written, and names a
# changed page, a missing page and a page it no longer writes, with the
# command that regenerates them.
# Variables: DOCGEN (the generator), WORK (a scratch folder).
file(REMOVE_RECURSE "${WORK}")
execute_process(COMMAND ${DOCGEN} "${WORK}" RESULT_VARIABLE code)
if(NOT code EQUAL 0 OR NOT EXISTS "${WORK}/index.md" OR NOT EXISTS "${WORK}/constants.md")
  message(FATAL_ERROR "writing the pages failed (${code})")
endif()

function(expect_check want_code want_text)
  execute_process(COMMAND ${DOCGEN} --check "${WORK}" RESULT_VARIABLE code ERROR_VARIABLE err)
  if(NOT code EQUAL want_code)
    message(FATAL_ERROR "--check gave ${code}, expected ${want_code}:\n${err}")
  endif()
  if(want_text)
    string(FIND "${err}" "${want_text}" at)
    string(FIND "${err}" "cmake --build --preset native --target reference_docs" cmd_at)
    if(at EQUAL -1 OR cmd_at EQUAL -1)
      message(FATAL_ERROR "--check did not report \"${want_text}\" with the command:\n${err}")
    endif()
  endif()
endfunction()

expect_check(0 "")
file(APPEND "${WORK}/strings.md" "hand edit\n")
expect_check(1 "out of date: ${WORK}/strings.md")
file(REMOVE "${WORK}/strings.md")
expect_check(1 "missing: ${WORK}/strings.md")
execute_process(COMMAND ${DOCGEN} "${WORK}")
file(WRITE "${WORK}/old_family.md" "gone\n")
expect_check(1 "no longer generated: ${WORK}/old_family.md")
# Writing again removes the stale page.
execute_process(COMMAND ${DOCGEN} "${WORK}")
expect_check(0 "")
file(REMOVE_RECURSE "${WORK}")
